#pragma once
// The run-time helpers in one include.
#include "platform/rtl/codec.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"
#include "platform/rtl/object.h"
#include "platform/rtl/set.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strings.h"
