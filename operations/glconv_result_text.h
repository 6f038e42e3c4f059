#pragma once
// The texts of the converter's result codes, as the transfer messages show them.

#include <string>

namespace tk73ops {

// The text of a result code, "Unknown error" for a code the converter never gives. With
// controller, the texts that speak of the register ("ECR") speak of the controller ("VEK").
std::string glconvResultText(int code, bool controller);

}  // namespace tk73ops
