#include "operations/ops_csv.h"

#include "archive/pack_archive.h"
#include "csvexchange/xch_import.h"
#include "operations/active_store_info.h"
#include "platform/api.h"

CTK73opsCsv::CTK73opsCsv(int fileNo, int kind) : m_nFileNo(fileNo), m_nKind(kind != 0 ? 1 : 0) {}

int CTK73opsCsv::ImportExecute() {
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    CTK73opsActiveStoreInfo().GetPathInfo(definition, mainte, defaults, m_nKind);
    CTK73packArchive packer(definition, mainte, m_nKind);
    CTK73xchImport import(m_nFileNo, m_nKind);
    import.SetArchiveBase(&packer);
    return import.ImportExecute() != 0 ? 1 : 0;
}
