// Every section group has its working class and its register and Vek forms.

#include <type_traits>

#include "definitions/def_cf.h"
#include "definitions/def_crp_files.h"
#include "definitions/def_dtl_popup_menu.h"
#include "definitions/def_dtl_sr_files.h"
#include "definitions/def_field_inf.h"
#include "definitions/def_field_titles.h"
#include "definitions/def_file_convert.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_fields.h"
#include "definitions/def_file_import.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_model_function.h"
#include "definitions/def_pgm_file_ez.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_pgm_icon_title.h"
#include "definitions/def_tcpip.h"

namespace {

template <class Working, class Register, class Vek>
constexpr bool formsOf() {
    return std::is_abstract_v<Working> && !std::is_abstract_v<Register> &&
           !std::is_abstract_v<Vek> && std::is_base_of_v<Working, Register> &&
           std::is_base_of_v<Working, Vek> && Register::kKind == 0 && Vek::kKind == 1 &&
           std::is_copy_constructible_v<Register> && std::is_copy_assignable_v<Vek>;
}

static_assert(formsOf<CTK73defRegVekCF, CTK73defCF, CTK73defVekCF>());
static_assert(formsOf<CTK73defRegVekCRPFILES, CTK73defCRPFILES, CTK73defVekCRPFILES>());
static_assert(formsOf<CTK73defRegVekFIELDINF, CTK73defFIELDINF, CTK73defVekFIELDINF>());
static_assert(formsOf<CTK73defRegVekFIELDTITLES, CTK73defFIELDTITLES, CTK73defVekFIELDTITLES>());
static_assert(formsOf<CTK73defRegVekFILEINF, CTK73defFILEINF, CTK73defVekFILEINF>());
static_assert(formsOf<CTK73defRegVekFILExxxx, CTK73defFILExxxx, CTK73defVekFILExxxx>());
static_assert(formsOf<CTK73defRegVekFILE_CONVERT, CTK73defFILE_CONVERT, CTK73defVekFILE_CONVERT>());
static_assert(formsOf<CTK73defRegVekFILE_EXPORT, CTK73defFILE_EXPORT, CTK73defVekFILE_EXPORT>());
static_assert(formsOf<CTK73defRegVekFILE_IMPORT, CTK73defFILE_IMPORT, CTK73defVekFILE_IMPORT>());
static_assert(
    formsOf<CTK73defRegVekMODELFUNCTION, CTK73defMODELFUNCTION, CTK73defVekMODELFUNCTION>());
static_assert(formsOf<CTK73defRegVekPGMFILES, CTK73defPGMFILES, CTK73defVekPGMFILES>());
static_assert(formsOf<CTK73defRegVekPGMFILE_EZ, CTK73defPGMFILE_EZ, CTK73defVekPGMFILE_EZ>());
static_assert(formsOf<CTK73defRegVekPGMICONTITLE, CTK73defPGMICONTITLE, CTK73defVekPGMICONTITLE>());
static_assert(formsOf<CTK73defRegVekTCPIP, CTK73defTCPIP, CTK73defVekTCPIP>());
static_assert(formsOf<CTK73defRegVekTK73DTL_POPUPMENU, CTK73defTK73DTL_POPUPMENU,
                      CTK73defVekTK73DTL_POPUPMENU>());
static_assert(
    formsOf<CTK73defRegVekTK73DTL_SRFILES, CTK73defTK73DTL_SRFILES, CTK73defVekTK73DTL_SRFILES>());

}  // namespace
