#pragma once
// The radio command object: every command with its number of tries. The
// transfer retries (EEPROM and flash) look at the cancel flag before each
// try; the alignment commands do not, since they run live without a
// progress view.
#include <cstdint>
#include <functional>

#include "serial/PXComCommand.h"

class PXComCommandRetry : public PXComCommand {
  public:
    using PXComCommand::PXComCommand;
    ~PXComCommandRetry() override = default;

    static constexpr int ReadTries = 3;
    static constexpr int WriteTries = 10;
    static constexpr int CommandTries = 3;
    static constexpr int ReceiveTries = 10;

    // EEPROM words first..first+count-1 (two bytes each, image order); a
    // failed try restarts from the first word.
    virtual bool EepromReadRetry(std::uint16_t first, int count, std::uint8_t* words);
    virtual bool EepromWriteRetry(std::uint16_t first, int count, const std::uint8_t* words);
    virtual bool FlashPageReadRetry(std::uint16_t page, std::uint8_t* buffer);
    virtual bool FlashPageWriteRetry(std::uint16_t page, const std::uint8_t* buffer);

    virtual bool SelectAlignPointRetry(std::uint8_t a, std::uint8_t b);   // 0x30
    virtual bool SelectAlignChannelRetry(int channel);                    // 0x30 n/16, n%16
    virtual bool ReadValueRetry(std::uint8_t* six);                       // 0x31
    virtual bool SetAdjustValueRetry(int value);                          // 0x32
    virtual bool TransmitRetry();                                         // 0x34
    virtual bool ReceiveRetry();                                          // 0x35
    virtual bool Command36Retry(std::uint16_t value, std::uint8_t byte);  // 0x36
    virtual bool Command37Retry(std::uint8_t byte);                       // 0x37
    virtual bool Command33Retry(std::uint8_t a, std::uint8_t b);          // 0x33
    // One per-channel alignment byte from the radio's flash: kind 2, 3 or 9
    // (record bytes 40, 41, 42). `value` is 0 unless the read succeeds.
    virtual bool ReadFlashValue(int kind, int& value, int channel);
    virtual bool Command3CRetry(std::uint8_t byte);  // 0x3C
    virtual bool Command3DOnRetry();                 // 0x3D 01
    virtual bool Command3DOffRetry();                // 0x3D 00
    // 0x3E: the ACK may take (count x 5 + 250) x 8 ms; `pump` runs meanwhile.
    virtual bool Command3ERetry(std::uint16_t value, std::uint16_t count, const std::function<void()>& pump);

  private:
    bool ShortCommand(std::uint8_t code, std::initializer_list<std::uint8_t> payload, int tries,
                      double waitMs, const std::function<void()>& pump = {});
};
