#include "NumberExchange.h"

#include "DisplayFormat.h"
#include "NumberPrompt.h"
#include "NumberText.h"
#include "SinglePrecision.h"

#include <string>

namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

double ReadNumberOrFail(CDataExchange* dx, HWND box) {
    double value = 0.0;
    if (!unitora::ReadBackValue(WindowText(box), value)) {
        ShowNumberPrompt(dx->m_pDlgWnd->m_hWnd);
        dx->Fail();
    }
    return value;
}

// Leaves a box whose text is already right untouched: no flicker, and its
// caret and selection stay where they are.
void WriteIfDifferent(HWND box, const std::wstring& text) {
    if (WindowText(box) != text) {
        ::SetWindowTextW(box, text.c_str());
    }
}

}  // namespace

void DDX_Text(CDataExchange* dx, int id, float& value) {
    HWND box = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<float>(unitora::RoundToSingle(ReadNumberOrFail(dx, box)));
    } else {
        WriteIfDifferent(box, unitora::FormatDisplay(value, unitora::DisplayPrecision::Single));
    }
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND box = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = ReadNumberOrFail(dx, box);
    } else {
        WriteIfDifferent(box, unitora::FormatDisplay(value, unitora::DisplayPrecision::Double));
    }
}
