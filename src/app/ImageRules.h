#pragma once
// The channel rules of the image library that the document applies at load
// and save, gathered in one place.
#include "app/CloneEditorDoc.h"

DocumentImageRules ApplicationImageRules();
