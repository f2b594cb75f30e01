#pragma once
// The outcome table of every radio operation: for each result id the message,
// the caption and the message-box style; plus the progress view's state texts
// and operation names. Texts go through the host's string lookup so that a
// language file can replace them.
#include <string>

namespace CommResult {

// Result ids the radio link records.
inline constexpr int None = 0;
inline constexpr int PortOpenError = 1;
inline constexpr int TimeOutError = 2;
inline constexpr int PasswordMismatch = 4;
inline constexpr int ProductTypeError = 5;
inline constexpr int CommunicationError = 6;
inline constexpr int UploadCompleted = 7;
inline constexpr int DownloadCompleted = 8;
inline constexpr int ProductMismatch1 = 10;
inline constexpr int ProductMismatch2 = 11;
inline constexpr int BandMismatch = 12;
inline constexpr int RangeMismatch = 13;
// Radio data recovery and the return of the alignment data to default.
inline constexpr int RecoveryProductTypeError = 16;
inline constexpr int ErrorCode1Recovered = 17;
inline constexpr int ErrorCode2Recovered = 18;
inline constexpr int ErrorCode4Recovered = 20;
inline constexpr int NoErrorCodeContinue = 21;
inline constexpr int RadioInformationRecovered = 22;
inline constexpr int RadioInformationBroken = 23;
inline constexpr int AlignBackupRecovered = 24;
inline constexpr int AlignBackupBroken = 25;
inline constexpr int HardwareDataBroken = 27;
inline constexpr int SubAudioFilterRecovered = 28;
inline constexpr int SubAudioFilterBroken = 29;
inline constexpr int LcdTagRecovered = 30;
inline constexpr int LcdTagBroken = 31;
inline constexpr int DataNotBroken = 32;
inline constexpr int HardwareDataRecovered = 33;
inline constexpr int AdjReturnProductTypeError = 35;
inline constexpr int AdjBackupBroken = 36;
inline constexpr int AdjReturnCompleted = 37;
// A channel in use that the radio's synthesiser cannot hold; the view's
// result detail names the channel.
inline constexpr int ChannelNotHeld = 39;

struct Row {
    int id;
    int messageId;
    const char* message;
    int captionId;
    unsigned style;
};

// Message-box styles of the rows (the values of MsgStyle in image/ImageHost.h).
inline constexpr unsigned OkExclamation = 0x00 | 0x30;
inline constexpr unsigned OkInformation = 0x00 | 0x40;
inline constexpr unsigned YesNoInformation = 0x04 | 0x40;
inline constexpr unsigned OkCancelInformation = 0x01 | 0x40;

inline constexpr Row Table[] = {
    {1, 32909, "Port Open Error!", 107, OkExclamation},
    {2, 32910, "Time Out Error", 107, OkExclamation},
    {3, 32911, "Communication Error", 107, OkExclamation},
    {5, 32912, "Product Type Error!", 107, OkExclamation},
    {4, 32913, "Password is Mismatched!", 107, OkExclamation},
    {6, 32914, "Communication Error", 107, OkExclamation},
    {7, 32915, "Upload is Completed!", 57344, OkInformation},
    {8, 32916, "Download is Completed!", 57344, OkInformation},
    {9, 32917, "Do you start downloading?", 57344, YesNoInformation},
    {10, 33000, "Product Type mismatched (1)", 107, OkExclamation},
    {11, 33001, "Product Type mismatched (2)", 107, OkExclamation},
    {12, 33002, "Frequency Band Mismatched", 107, OkExclamation},
    {13, 33003, "Frequency Range Mismatched", 107, OkExclamation},
    {14, 33004, "There is no enable CH.", 107, OkExclamation},
    {15, 33102, "It starts to check the \"Error Code\".", 33101, OkCancelInformation},
    {16, 33103, "Product Type Error !\nUpdate the firmware for this product.", 33101, OkExclamation},
    {17, 33104, "ERROR_1 is recovered.", 33101, OkInformation},
    {18, 33105, "ERROR_2(Communication Error) is recovered.", 33101, OkInformation},
    {19, 33106, "ERROR_3(Password Error) is recovered.", 33101, OkInformation},
    {20, 33107, "ERROR_4(Kill/Stun Error) is recovered.", 33101, OkInformation},
    {21, 33111, "There is not the \"Error Code\".\nContinue to check the data in detail?", 33101,
     OkCancelInformation},
    {22, 33109, "Radio Information was broken.\nRadio Data Recovery Complete !", 33101, OkInformation},
    {23, 33110, "Radio Information is broken.\nIt is not able to recovery.\nPlease contact your dealer.",
     33101, OkExclamation},
    {24, 33112, "ADJ Backup Data was broken.\nRadio Data Recovery Complete !", 33101, OkInformation},
    {25, 33113, "ADJ Backup Data is broken.\nIt is not able to recovery.\nPlease contact your dealer.", 33101,
     OkExclamation},
    {26, 33114, "Hardware Data was broken.\nDownload begins.", 33101, OkInformation},
    {27, 33115, "Hardware Data is broken.\nIt is not able to recovery.\nPlease contact your dealer.", 33101,
     OkExclamation},
    {28, 33116, "Sub-Audio Filter Data was broken.\nRadio Data Recovery Complete !", 33101, OkInformation},
    {29, 33117, "Sub-Audio Fileter Data is broken.\nIt is not able to recovery.\nPlease contact your dealer.",
     33101, OkExclamation},
    {30, 33118, "LCD TAG Data was broken.\nRadio Data Recovery Complete !", 33101, OkInformation},
    {31, 33119, "LCD TAG Data is broken.\nIt is not able to recovery.\nPlease contact your dealer.", 33101,
     OkExclamation},
    {32, 33120, "Data is not broken.\nIt is not able to recovery.\nPlease contact your dealer.", 33101,
     OkInformation},
    {33, 33121, "Hardware Data was broken.\nRadio Data Recovery Complete !", 33101, OkInformation},
    {34, 33202, "Do you start to return ADJ-Data to Default ?", 33201, OkCancelInformation},
    {35, 33203, "Product Type Error !", 33201, OkExclamation},
    {36, 33204, "Backup Data is broken.\nTry to \"Radio Data Recovery\".", 33201, OkExclamation},
    {37, 33205, "\"ADJ-Data Return to Default\" is complete.", 33201, OkInformation},
    {38, 33301, "Alignment is completed!", 57344, OkInformation},
    {39, 0, "The radio cannot be set to the frequency of a channel. Nothing was written.", 107, OkExclamation},
};

// The row of a result id, or nullptr.
const Row* Find(int resultId);
// Message and caption in the current language; empty when no row has the id.
std::string MessageText(int resultId);
std::string CaptionText(int resultId);
// The message-box style, -1 when no row has the id.
int Style(int resultId);

// The progress view's state texts (state 0 and unknown states: empty).
struct StateRow {
    int state;
    int stringId;
    const char* text;
};
inline constexpr StateRow StateTable[] = {
    {1, 32905, "Switch Radio ON, then start uploading"},
    {2, 32906, "Switch Radio ON, then start downloading"},
    {3, 32907, "Now, Uploading... Please Wait."},
    {4, 32908, "Now, Downloading... Please Wait."},
    {5, 33052, "Please wait..."},
    {7, 33006, "Switch Radio ON,\nthen start preparing for Alignment"},
    {10, 115, "Switch Radio ON, then start uploading."},
    {11, 116, "Switch Radio ON, then start downloading."},
    {12, 117, "Switch Radio ON, then start preparing for alignment."},
    {14, 61204, "Now, preparing alignment... Please wait."},
};
std::string StateText(int stateId);

// Operation names of the view's title; the view translates them itself.
struct NameRow {
    int value;
    const char* text;
};
inline constexpr NameRow OperationNames[] = {{1, "Upload"},
                                             {2, "Download"},
                                             {3, "Upload"},
                                             {4, "Download"},
                                             {6, "Alignment"},
                                             {8, "Radio Data Recovery"},
                                             {9, "ADJ-Data Return To Default"},
                                             {-1, ""}};
// Names used by the operations of this folder.
inline constexpr int UploadName = 3;
inline constexpr int DownloadName = 4;
inline constexpr int RecoveryName = 8;
inline constexpr int AdjReturnName = 9;
std::string OperationName(int value);

}  // namespace CommResult
