#pragma once
// The register and controller parts ("M001", "O001") of a store folder while a model change
// replaces them. Each old part is first moved aside, under its name followed by "_" and the
// local time (the name under which a folder is deleted), so that the new model's part can be
// made in its place; only when the whole change has succeeded are the old parts deleted. A
// failure removes what the change made and puts the old parts back, so the store keeps its
// programs exactly as they were.

#include <string>
#include <vector>

namespace tk73store {

class ReplacedParts {
  public:
    explicit ReplacedParts(int storeNo) : storeNo_(storeNo) {}

    // Moves the store's part of that kind (0 register, 1 controller) aside; a store without one
    // has nothing to move. False when the part cannot be moved; it is then where it was.
    [[nodiscard]] bool SetAside(int kind);
    // Removes the new parts and puts the old ones back.
    void PutBack();
    // Deletes the old parts.
    void Discard();

  private:
    struct Part {
        std::string folder;
        std::string aside;  // empty: the store had no such part
    };

    int storeNo_;
    std::vector<Part> parts_;
};

}  // namespace tk73store
