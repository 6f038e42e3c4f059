#include "definitions/def_tcpip.h"

#include "definitions/numbered_name.h"

int CTK73defRegVekTCPIP::SetValue(int registerNo, const char* address) const {
    return WriteText(kSection, tk73def::numberedName("ECR%02d", registerNo).c_str(),
                     address != nullptr ? address : "");
}
