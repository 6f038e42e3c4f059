#pragma once
// Arabic letters and their presentation forms. Shaping (which form each letter takes from its
// neighbours, and the lam-alef ligatures) is FriBidi's; the way back from a form to its letter is
// learnt from FriBidi's own shapes once, so the two always agree.

#include <string>
#include <vector>

namespace arblib {

enum Form { kIsolated = 0, kFinal = 1, kInitial = 2, kMedial = 3 };

// The text in logical order with every letter in the presentation form its neighbours give it.
std::u32string shapeArabic(const std::u32string& text);
// Every presentation form replaced by its letter (a ligature by its two letters).
std::u32string unshapeArabic(const std::u32string& text);
// The characters that may stand for c, best first: c itself, then the letter's other forms in
// the order that keeps the look closest (a medial form is drawn like the initial one, a final
// like the isolated one). Just c for anything that is no Arabic letter or form.
std::vector<char32_t> substitutesOf(char32_t c);

}  // namespace arblib
