#include "language/StringTable.h"

#include <algorithm>

namespace {

// Every message text the program shows by string id, once. Keep ascending
// by id: BuiltinText searches it by bisection.
constexpr StringTableRow kRows[] = {
    {100, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {102, "Do you want to save changes ?"},
    {106, "The File's attribute is Read_Only.\nFile Name = "},
    {107, "Error"},
    {109, "Out of Frequency Range!"},
    {110, "Problem writing to file.\nFile Name = "},
    {111, "Caution"},
    {112,
     "This baud rate is not recommended.\nWhen this setting is used, the programming may not be able to "
     "complete successfully.\nIn the worst case, the programming data may be damaged and broken."},
    {114,
     "Switch the mobile radio OFF before PC is shut down or disconnected the USB cable.\n(It will be "
     "switched the radio to transmit.)"},
    {115, "Switch Radio ON, then start uploading."},
    {116, "Switch Radio ON, then start downloading."},
    {117, "Switch Radio ON, then start preparing for alignment."},
    {32905, "Switch Radio ON, then start uploading"},
    {32906, "Switch Radio ON, then start downloading"},
    {32907, "Now, Uploading... Please Wait."},
    {32908, "Now, Downloading... Please Wait."},
    {32909, "Port Open Error!"},
    {32910, "Time Out Error"},
    {32911, "Communication Error"},
    {32912, "Product Type Error!"},
    {32913, "Password is Mismatched!"},
    {32914, "Communication Error"},
    {32915, "Upload is Completed!"},
    {32916, "Download is Completed!"},
    {32917, "Do you start downloading?"},
    {32920, "File Convert is Completed."},
    {32921,
     "The \"Programming Password\" is required when you upload the radio data.\nYou cannot upload the radio "
     "data without the Password.\n\nWhen the \"Programming Password\" is set \"Enable\", it is strongly "
     "recommended to save the data file of the target radio and to make a copy of the password."},
    {32922, "Programming password have been set to "},
    {33000, "Product Type mismatched (1)"},
    {33001, "Product Type mismatched (2)"},
    {33002, "Frequency Band Mismatched"},
    {33003, "Frequency Range Mismatched"},
    {33004, "There is no enable CH."},
    {33006, "Switch Radio ON,\nthen start preparing for Alignment"},
    {33007, "Serial No. Error! Do you continue recovery?"},
    {33024,
     "FCC Rule Caution!\nYour Data includes some Wide bandwidth CHs in 150 - 174 MHz or 421 - 470 MHz "
     "band.\nAfter Jan.1, 2013, You must change their CHs to Narrow bandwidth.\nDo you change their CHs to "
     "Narrow bandwidth automatically, and start Do you start downloading them?\nYes : It will be change the "
     "bandwidth into Narrow and start downloading.\nNo : It will start downloading (w/o changing the "
     "bandwidth)\n"},
    {33025,
     "FCC Rule Caution!\nYour Data includes some Wide bandwidth CHs in 150 - 174 MHz or 421 - 470 MHz "
     "band.\nAfter Jan.1, 2013, You must change their CHs to Narrow bandwidth.\nSo, the Wide bandwidth CHs "
     "in your data was changed to Narrow bandwidth automatically.\n"},
    {33026, "Do you start downloading them?\n"},
    {33027, "Download"},
    {33050, "No Priority CH!"},
    {33051, "No Active CH!"},
    {33052, "Please wait..."},
    {33053, "File Not Found"},
    {33055,
     "File Not Found!\nThere is no corresponding alignment file.\nUpdate the Pardex PC programming "
     "software."},
    {33056, "Do you finish Alignment feature?"},
    {33059, "Cmd Request Error!"},
    {33060, "Tune Set Error!"},
    {33061, "Save changes to"},
    {33062, "File not found\nFile path : \n"},
    {33063, "Enter 6 digits!"},
    {33101, "Radio Data Recovery"},
    {33102, "It starts to check the \"Error Code\"."},
    {33103, "Product Type Error !\nUpdate the firmware for this product."},
    {33104, "ERROR_1 is recovered."},
    {33105, "ERROR_2(Communication Error) is recovered."},
    {33106, "ERROR_3(Password Error) is recovered."},
    {33107, "ERROR_4(Kill/Stun Error) is recovered."},
    {33109, "Radio Information was broken.\nRadio Data Recovery Complete !"},
    {33110, "Radio Information is broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33111, "There is not the \"Error Code\".\nContinue to check the data in detail?"},
    {33112, "ADJ Backup Data was broken.\nRadio Data Recovery Complete !"},
    {33113, "ADJ Backup Data is broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33114, "Hardware Data was broken.\nDownload begins."},
    {33115, "Hardware Data is broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33116, "Sub-Audio Filter Data was broken.\nRadio Data Recovery Complete !"},
    {33117, "Sub-Audio Fileter Data is broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33118, "LCD TAG Data was broken.\nRadio Data Recovery Complete !"},
    {33119, "LCD TAG Data is broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33120, "Data is not broken.\nIt is not able to recovery.\nPlease contact your dealer."},
    {33121, "Hardware Data was broken.\nRadio Data Recovery Complete !"},
    {33201, "ADJ-Data Return to Default"},
    {33202, "Do you start to return ADJ-Data to Default ?"},
    {33203, "Product Type Error !"},
    {33204, "Backup Data is broken.\nTry to \"Radio Data Recovery\"."},
    {33205, "\"ADJ-Data Return to Default\" is complete."},
    {33206,
     "If the alignment procedure is suspended by some accident or trouble (not completed successfully), it "
     "is possible to return the radio (alignment data) to the condition that was before starting the "
     "alignment.\nDo you want to continue?"},
    {33301, "Alignment is completed!"},
    {33302, "There is a possibility of the garble. \nDo you continue?"},
    {33304, "There is no corresponding default file.\nIt needs to update the Pardex programming software."},
    {33401, ": enter three digits (0-9, A-D, *); \"#\" marks an unused digit."},
    {33402, ": \"###\" cannot be stored; leave the code empty for no code."},
    {57344, "Pardex"},
    {57356, "F2 for Next CH   F5 for Previous CH"},
    {61204, "Now, preparing alignment... Please wait."},
    {61205, "Decode band width are duplicated.\nChange tone freq. or decode precision."},
    {61206, "Decode band width are duplicated.\nChange tone freq. or decode band width."},
    {61207, "Invalid No.\nRetry to input No."},
    {61208, "Download is Completed!\n\nS/N  %s"},
    {61209, ",%s,%s,Firmware Ver.%s"},
    {61210, ",%s,%s,ADJ Data Backup Complete,,Firmware Ver.%s"},
};

constexpr bool Ascending() {
    for (std::size_t i = 1; i < std::size(kRows); ++i)
        if (kRows[i - 1].id >= kRows[i].id) return false;
    return true;
}
static_assert(Ascending(), "string table rows must be in ascending id order");

}  // namespace

std::span<const StringTableRow> StringTable() {
    return kRows;
}

std::string_view BuiltinText(int id) {
    const auto it = std::lower_bound(std::begin(kRows), std::end(kRows), id,
                                     [](const StringTableRow& row, int key) { return row.id < key; });
    if (it == std::end(kRows) || it->id != id) return {};
    return it->text;
}
