#pragma once
// Public header of the image library: what the rest of the program may use.
// This library depends on the C++ standard library only; no window header may
// be reachable from it.
#include "image/CloneImage.h"
#include "image/FileUtil.h"
#include "image/ImageHost.h"
#include "image/ItemAccessors.h"
#include "image/ItemDescriptor.h"
#include "image/ItemList.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/PowerMarker.h"
#include "image/RegionCopy.h"
#include "image/TagCharRule.h"
