// The whole framework for the program's windows, in one include.
#pragma once

#include "CString.h"
#include "CheckListBox.h"
#include "CmdTarget.h"
#include "DataExchange.h"
#include "DeviceContext.h"
#include "Dialog.h"
#include "FrameworkIds.h"
#include "GdiObjects.h"
#include "Geometry.h"
#include "Menu.h"
#include "StandardControls.h"
#include "WinApp.h"
#include "Window.h"
