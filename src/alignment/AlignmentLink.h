#pragma once
// The radio command object the alignment dialogs share: set by the Alignment
// command while the alignment main dialog runs (the radio is then in its
// alignment connection), null otherwise.
class PXComCommandRetry;

namespace AlignmentLink {

PXComCommandRetry*& Shared();

}  // namespace AlignmentLink
