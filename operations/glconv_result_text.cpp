#include "operations/glconv_result_text.h"

#include <algorithm>
#include <iterator>

namespace {

struct ResultText {
    int code;
    const char* text;
};

// The converter's result codes in ascending order, with the texts the user sees. The texts speak
// of the register ("ECR"); for a controller transfer the caller puts "VEK" in its place.
constexpr ResultText kResultTexts[] = {
    {0, "Normal End"},
    {1, "Normal Terminate."},
    {2, "Breaked by User."},
    {4, "Windows resource"},
    {100, "from ECR. Illegal data."},
    {101, "from ECR. Illegal data type."},
    {102, "from ECR. Com char in bottom of packet."},
    {103, "from ECR. Over 0 count."},
    {104, "from ECR. Different machine."},
    {105, "from ECR. Memory over flow."},
    {106, "from ECR. Break end."},
    {107, "from ECR. PC disk write error."},
    {108, "from ECR. Sequence error."},
    {128, "LNET Reset error"},
    {129, "LNET Reset RI error"},
    {130, "LNET Reset ID error"},
    {131, "LNET no token error"},
    {132, "LNET packet size error"},
    {133, "LNET TA retry error"},
    {144, "TP NCB number over"},
    {145, "TP Open error"},
    {146, "TP Close error"},
    {147, "TP Bind error"},
    {148, "TP Heatbeat error"},
    {149, "TP Not SYN received"},
    {150, "TP Not connect"},
    {151, "TP Not disconnect"},
    {152, "TP Not NCB area"},
    {153, "TP Retry over"},
    {154, "TP RSPRETRY"},
    {155, "TP Sequence error"},
    {156, "TP ECR No port"},
    {157, "TP Memory full"},
    {158, "TP WAK Retry over"},
    {159, "TP No active NCB"},
    {160, "Terminal Busy"},
    {197, "NO TARGET QUE"},
    {198, "Communication time out"},
    {203, "NO TARGET DSA"},
    {235, "Inline protocol error"},
    {1002, "No File information in the profile(glprof.ini)"},
    {1007, "Terminated by ECR."},
    {1008, "Impossible to convert data"},
    {1009, "Illegal Format data"},
    {1015, "No data record in the specified file."},
    {1020, "Can't open/create dos file"},
    {1021, "Can't read Dos File."},
    {1022, "Can't write Dos File."},
    {1023, "Can't seek dos file"},
    {1026, "End Of Line not found in DOS file"},
    {1027, "GLNETDRV not resident"},
    {1031, "Can't Convert Memory Data"},
    {1032, "Record length don't match"},
    {1034, "Com_ReTryOver"},
    {1040, "Can not open windows serial port"},
    {1041, "Windows serial port initialize error"},
    {1045, "Online overlapped I/O event creation failed"},
    {1046, "Online overlapped I/O secondary thread creation failed"},
    {2049, "Abrupt file end"},
    {2050, "No change in file"},
    {2051, "No change in record"},
    {2052, "Not enough memory available"},
    {3001, "Unknown line kinds."},
    {3002, "Unknown Receive/Send mode."},
    {3003, "Not defined file number."},
    {3004, "Not defined file name."},
    {3005, "Not found profile (glprof.ini)"},
    {3006, "Not found terminal number"},
    {4001, "Invalid com port specified in INI file"},
    {4002, "Invalid baud rate specified in INI file"},
    {4003, "Invalid parity specified in INI file"},
    {4004, "Invalid byte length specified in INI file"},
    {4500, "Received SYN"},
    {4501, "Received FIN"},
    {4502, "End of File on rf_read()"},
    {4503, "Parameter Error"},
    {4504, "Timeout Error (User Timer)"},
    {4505, "ID Error"},
    {4506, "Not Used"},
    {4507, "Other ID Error"},
    {4508, "Wak Receive Error"},
    {4509, "Other Data Receive Error"},
    {4510, "Sequence Error"},
    {4511, "Length Error"},
    {4512, "XMODEM 5Sec Timer Error"},
    {4513, "Time Out Error"},
    {4514, "Re-transmission failure(by Sequence No.)"},
    {4515, "SYN Receive Error"},
    {4516, "FIN Receive Error"},
    {4517, "Not Used"},
    {4518, "Received RF Command error"},
    {4519, "Disable Transmit Error"},
    {4520, "Length Error (rf data)"},
    {4521, "Socket Connect Error."},
    {4522, "Socket Recieve Error."},
    {4600, "JobCommand : ECR is busy"},
    {4601, "JobCommand : ECR Z locked"},
    {4602, "Job Command : Console Busy"},
    {4603, "Job Command : Command Error"},
    {4604, "Job Command : File Error"},
    {6000, "Not QR910 machine profile"},
    {6001, "Not defined Job Number"},
    {6002, "XZ mode should be either 0(x mode) or 1(zmode)."},
    {6003, "Master status should be either 81 or 80"},
    {6004, "Date should be yymmdd format."},
    {6005, "Time should be hhmmss format."},
    {6500, "FTP Connect error"},
    {6501, "FTP ECR file can not open error"},
    {6502, "FTP Read communication error"},
    {6503, "FTP Write communication error"},
    {6505, "FTP Password error"},
    {6506, "FTP server error (Normaly bad login name)"},
    {6507, "FTP Response error by ECR"},
    {9996, "DLL load failed"},
    {9997, "Unknown Machine type or no profile."},
    {9998, "Unknown parameters"},
    {9999, "Unknown error code or environment error"},
};

}  // namespace

namespace tk73ops {

std::string glconvResultText(int code, bool controller) {
    const auto found =
        std::lower_bound(std::begin(kResultTexts), std::end(kResultTexts), code,
                         [](const ResultText& entry, int wanted) { return entry.code < wanted; });
    std::string text =
        found != std::end(kResultTexts) && found->code == code ? found->text : "Unknown error";
    if (controller) {
        for (size_t at = text.find("ECR"); at != std::string::npos; at = text.find("ECR", at)) {
            text.replace(at, 3, "VEK");
        }
    }
    return text;
}

}  // namespace tk73ops
