#pragma once
// The programming cable types, as the port enumeration recognises them from a
// port's friendly name and as the port configuration keeps them ("ComType").
namespace CableType {
inline constexpr int Unnamed = 0;       // a tty placeholder that no device backs (no UART)
inline constexpr int Plain = 1;         // a port a device backs; no cable of the series recognised
inline constexpr int Qlv10 = 2;         // friendly name holds "QLV-10"
inline constexpr int Qlv10Special = 3;  // friendly name holds "QLV-10/SPECIAL"
inline constexpr int Qlv12 = 4;         // friendly name holds "QLV-12"

// The QLV-10 cables take a write in chunks of 16 bytes.
constexpr bool TakesShortChunks(int cableType) {
    return cableType == Qlv10 || cableType == Qlv10Special;
}
}  // namespace CableType
