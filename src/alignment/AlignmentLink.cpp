#include "alignment/AlignmentLink.h"

namespace AlignmentLink {

PXComCommandRetry*& Shared() {
    static PXComCommandRetry* shared = nullptr;
    return shared;
}

}  // namespace AlignmentLink
