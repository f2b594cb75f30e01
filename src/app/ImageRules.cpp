#include "app/ImageRules.h"

DocumentImageRules ApplicationImageRules() {
    DocumentImageRules rules;
    return rules;
}
