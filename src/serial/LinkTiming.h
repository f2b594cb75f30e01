#pragma once
// Every wait of the radio link in one place. The defaults are the values the
// radio and its cable were specified with; tests build a scaled-down copy so
// that time-outs and retries run in milliseconds.
//
// Two kinds of values:
//  - budgets: how long to wait for the other side (read time-outs, the
//    power-on windows). Reads end as soon as the bytes are in.
//  - pauses: deliberate waits the radio needs (after the handshake, between
//    port initialisations, back-off after a failed echo).
struct LinkTiming {
    // Serial port.
    double charTimeoutMs = 11.0;        // one-byte read: the line counts as silent after this
    double initPassGapMs = 280.0;       // pause between the two line-setting passes
    double drainGapMs = 5.0;            // pause between drain reads
    double drainLimitMs = 2000.0;       // a line that never falls silent fails the drain
    double closeReopenPauseMs = 100.0;  // pauses around the reopen of the close sequence
    double writeChunkMs = 100.0;        // write budget per chunk, plus 1 ms a byte
    // Frames.
    double echoMsPerByte = 5.0;   // echo budget per frame byte
    double preReadPauseMs = 5.0;  // before an EEPROM or flash read request
    double eepromReadReplyMs = 32.0;
    double eepromWriteReplyMs = 120.0;
    double flashReadReplyMs = 616.0;
    double flashWriteAckMs = 500.0;
    double flashWriteBackoffMs = 616.0;
    double shortCommandMs = 100.0;   // 0x30-0x3D acknowledgement
    double longCommandUnitMs = 8.0;  // 0x3E waits (N x 5 + 250) units
    double handshakeByteMs = 100.0;  // one beacon read of the power-on handshake
    double handshakeEchoMs = 1.0;    // the echo of the answer byte
    // Operation runner.
    double firstWindowMs = 4000.0;     // power-on attempt 0
    double retryWindowMs = 5000.0;     // power-on attempts 1-3
    double afterHandshakeMs = 1500.0;  // the radio settles before word 0 is read
    double pendingPollMs = 10.0;       // waiting for the progress bar to catch up
    double pumpIntervalMs = 200.0;     // the pump of a long read
    // Lower bound of the budgets computed per frame (the echo budget).
    double budgetFloorMs = 0.0;

    // An echo or reply budget of `ms`, no shorter than the floor.
    double Budget(double ms) const { return ms < budgetFloorMs ? budgetFloorMs : ms; }

    // All values times `factor`; budgets (not pauses) no shorter than
    // `budgetFloorMs` so that a loaded machine still meets them.
    static LinkTiming Scaled(double factor, double budgetFloorMs) {
        LinkTiming t;
        t.budgetFloorMs = budgetFloorMs;
        auto pause = [&](double& v) { v *= factor; };
        auto budget = [&](double& v) {
            v *= factor;
            if (v < budgetFloorMs) v = budgetFloorMs;
        };
        pause(t.charTimeoutMs);
        pause(t.initPassGapMs);
        pause(t.drainGapMs);
        budget(t.drainLimitMs);
        pause(t.closeReopenPauseMs);
        budget(t.writeChunkMs);
        pause(t.echoMsPerByte);
        pause(t.preReadPauseMs);
        budget(t.eepromReadReplyMs);
        budget(t.eepromWriteReplyMs);
        budget(t.flashReadReplyMs);
        budget(t.flashWriteAckMs);
        pause(t.flashWriteBackoffMs);
        budget(t.shortCommandMs);
        pause(t.longCommandUnitMs);
        budget(t.handshakeByteMs);
        budget(t.handshakeEchoMs);
        budget(t.firstWindowMs);
        budget(t.retryWindowMs);
        pause(t.afterHandshakeMs);
        pause(t.pendingPollMs);
        pause(t.pumpIntervalMs);
        return t;
    }
};
