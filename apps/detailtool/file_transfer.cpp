#include "apps/detailtool/file_transfer.h"

#include "definitions/def_dtl_sr_files.h"
#include "definitions/kind_forms.h"
#include "operations/ops_sock_register.h"
#include "operations/vek_rs_sock.h"

namespace tk73dtl {

std::vector<uint32_t> presetFiles(const CTK73defReg& definition, bool receive) {
    const tk73def::NeighbourSection<CTK73defRegVekTK73DTL_SRFILES> section(definition);
    const int count = receive ? section.GetRecvFilesValueCount() : section.GetSendFilesValueCount();
    std::vector<uint32_t> files;
    for (int index = 0; index < count; ++index) {
        int fileNo = 0;
        if (receive) {
            section.GetRecvFilesValueFromIndex(index, &fileNo);
        } else {
            section.GetSendFilesValueFromIndex(index, &fileNo);
        }
        files.push_back(static_cast<uint32_t>(fileNo));
    }
    return files;
}

void transferFiles(const DetailContext& context, bool receive, const std::vector<uint32_t>& files) {
    if (context.kind == 1) {
        CVekRSSock().ExecuteVekSocket(receive ? 1 : 0, context.store.vekModelNo, files);
    } else {
        CTK73opsSockRegister().ExecuteSocket(context.store.regModelNo, receive ? 1 : 0, files);
    }
}

}  // namespace tk73dtl
