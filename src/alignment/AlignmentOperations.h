#pragma once
// The alignment data operations of the radio link, run by the operation
// runner (PXCommunicationEvent) behind its progress view:
//   8  alignment read: reads the whole radio, saves the backup file, and
//      loads the specification file's channels into the radio, which stays
//      in its alignment connection;
//   9  alignment write: gives the radio its own channels back from the
//      backup together with the tuned alignment;
//   10 alignment restore: puts the backup's alignment and channels back;
//   19, 20, 21: the alignment items of one alignment dialog (19 and 20 with
//      flash page 14) into a radio in its alignment connection.
// Every write goes between the completion markers: until it has finished,
// the radio's word 511 reads FF FF, and a failed write says so.
#include <string>

#include "image/CloneImage.h"
#include "serial/TransferList.h"

class OperationView;
class PXComCommandRetry;
class PXCommunicationEvent;

namespace AlignmentOperations {

inline constexpr int OpAlignmentRead = 8, OpAlignmentWrite = 9, OpAlignmentRestore = 10,
                     OpItemsWithPage14 = 19, OpItemsWithReference = 20, OpItems = 21;
inline constexpr int ResultCompleted = 38;  // "Alignment is completed!"
inline constexpr int ResultNoChannel = 14;  // "There is no enable CH."
inline constexpr int TitleAlignment = 6;

inline constexpr int RidSpecMissing = 33055;
inline constexpr const char* TextSpecMissing =
    "File Not Found!\nThere is no corresponding alignment file.\nUpdate the Pardex PC programming software.";

// Adds operations 8, 9, 10, 19, 20 and 21 to the runner (once, at start-up).
void Register();

// The operations themselves; `image` as each one's parameter. They change
// `image` only when they succeed. Operation 8 leaves its backup file's name
// (without folder) as the runner's status text.
bool AlignmentRead(PXCommunicationEvent& runner, CloneImage& image);
bool AlignmentWrite(PXCommunicationEvent& runner, CloneImage& image);
bool AlignmentRestore(PXCommunicationEvent& runner, CloneImage& image);
bool AlignItemsWrite(PXCommunicationEvent& runner, int operation, CloneImage& image);

// Runs operation 19, 20 or 21 on `image` over the alignment dialogs' shared
// command object; true when it succeeded.
bool RunAlignItemsWrite(int operation, CloneImage& image, PXComCommandRetry& shared, OperationView& view);

// What each operation writes.
TransferList::Lists WriteLists(int operation);

}  // namespace AlignmentOperations
