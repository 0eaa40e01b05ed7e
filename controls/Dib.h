// CDib: the bitmap an off-screen surface (CMemDC) draws on. Empty until a
// bitmap is created or attached; frees it when it goes.
#pragma once

#include "GdiObjects.h"

class CDib : public CBitmap {};
