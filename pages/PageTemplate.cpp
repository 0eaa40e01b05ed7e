#include "PageTemplate.h"

#include <cassert>

namespace unitora {
namespace {

using framework::DialogControlClass;
using framework::DialogRect;

constexpr WORD kStaticId = 0xFFFF;
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

framework::DialogTemplateWriter PageFrame() {
    return framework::DialogTemplateWriter({
        .style = WS_CHILD | DS_CONTROL,  // hidden until its tab is chosen
        .place = {0, 0, kPageWidth, kPageHeight},
        .fontFace = L"ＭＳ Ｐゴシック",
        .pointSize = 9,
    });
}

DialogRect Place(const GridRect& rect) {
    return {static_cast<short>(rect.x), static_cast<short>(rect.y), static_cast<short>(rect.cx),
            static_cast<short>(rect.cy)};
}

// Field IDs become control IDs, which a template holds as WORDs, and 0xFFFF
// belongs to the labels; the catalogue's tests keep every field ID in range.
WORD ControlId(int id) {
    assert(id > 0 && id < kStaticId && "a field ID must fit a dialog template");
    return static_cast<WORD>(id);
}

}  // namespace

framework::DialogTemplateWriter WritePageTemplate(const PageRecord& record, const PageGrid& grid) {
    framework::DialogTemplateWriter writer = PageFrame();
    for (size_t i = 0; i < record.frames.size(); ++i) {
        writer.Add({.controlClass = DialogControlClass::Button,
                    .id = kStaticId,
                    .text = record.frames[i].caption,
                    .style = WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                    .place = Place(grid.frames[i])});
    }
    const auto addField = [&](size_t index) {
        const UnitField& field = record.fields[index];
        const FieldPlaces& places = grid.fields[index];
        writer.Add({.controlClass = DialogControlClass::Static,
                    .id = kStaticId,
                    .text = field.label,
                    .style = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT,
                    .place = Place(places.label)});
        writer.Add({.controlClass = DialogControlClass::Edit,
                    .id = ControlId(field.id),
                    .text = L"",
                    .style = kBoxStyle,
                    .place = Place(places.box)});
    };
    for (size_t index : record.FocusSequence()) {
        addField(index);
    }
    return writer;
}

framework::DialogTemplateWriter WriteMeasuringPageTemplate() {
    framework::DialogTemplateWriter writer = PageFrame();
    writer.Add({.controlClass = DialogControlClass::Edit,
                .id = 1,
                .text = L"",
                .style = kBoxStyle,
                .place = {0, 0, 50, 12}});
    return writer;
}

}  // namespace unitora
