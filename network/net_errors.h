#pragma once
// The error codes of the network library: the code field of the error triple, and the detail
// codes that callers tell apart. Details of the file service lie in 0x021F7xxx, those of the
// socket layer in 0x021F8xxx.

#include <cstdint>

namespace tk73net {

inline constexpr int32_t kErrSystem = 0x021F6001;
inline constexpr int32_t kErrMemory = 0x021F6002;
inline constexpr int32_t kErrFile = 0x021F6003;
inline constexpr int32_t kErrTelegram = 0x021F6004;
inline constexpr int32_t kErrDatabase = 0x021F6006;
inline constexpr int32_t kErrParameter = 0x021F6008;
inline constexpr int32_t kErrDataSetting = 0x021F6009;
inline constexpr int32_t kErrHeader = 0x021F600A;
inline constexpr int32_t kErrSearch = 0x021F600B;
inline constexpr int32_t kErrServiceCancelled = 0x021F600D;
inline constexpr int32_t kErrRegisterBusy = 0x021F600E;
inline constexpr int32_t kErrCancelledByRegister = 0x021F600F;

inline constexpr int32_t kDetailSendTimeOut = 0x021F837A;
inline constexpr int32_t kDetailRecvTimeOut = 0x021F8384;
inline constexpr int32_t kDetailConnectOpenConn = 0x021F836F;
inline constexpr int32_t kDetailConnect = 0x021F8370;
inline constexpr int32_t kDetailResolveOpen = 0x021F8351;
inline constexpr int32_t kDetailResolveOpenConn = 0x021F8352;

}  // namespace tk73net
