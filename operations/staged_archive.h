#pragma once
// An archive opened into folders of its own in the temporary folder first. An archive may come
// from anywhere: its register's part and the controller's part behind it are unpacked and
// checked whole before the working store is reset, so a damaged archive never costs the user
// the store they had.

#include <string>

#include "storedb/edb_records.h"

namespace tk73ops {

class StagedArchive {
  public:
    // An empty staging folder in the temporary folder.
    StagedArchive();
    // Removes the staging folder and what is left in it.
    ~StagedArchive();
    StagedArchive(const StagedArchive&) = delete;
    StagedArchive& operator=(const StagedArchive&) = delete;

    // Unpacks the register's part for the register model and, when a controller's part follows
    // it, that part for the controller model its machine ID names. False when the archive or
    // either part is refused.
    bool unpack(const std::string& crpPath, const MODEL_EDB& registerModel);
    // The model of the archive's controller part; number 0 when the archive has none.
    const MODEL_EDB& vekModel() const { return vekModel_; }
    // Copies the unpacked program files over those of the store's maintenance folders, and
    // turns the controller's unset PLU codes into zeros as an unpacked controller part has them.
    bool placeInto(int storeNo) const;

  private:
    // The part's own folder ("REG", "VEK") with a copy of the model's shipped definition beside
    // it; empty when they cannot be made.
    std::string prepare(const MODEL_EDB& model, int kind, std::string& definition) const;
    bool unpackController(const std::string& crpPath, unsigned long offset);

    std::string folder_;
    MODEL_EDB vekModel_;
};

}  // namespace tk73ops
