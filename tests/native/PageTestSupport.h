// A quantity page driven without windows, for the native suites: the page
// model with its boxes as strings and a record of every prompt.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "MemoryBoxes.h"
#include "PageRecord.h"
#include "QuantityPage.h"

namespace unitora {

class DrivenPage {
public:
    explicit DrivenPage(const PageRecord& record)
        : model(record), boxes(model, [this](int id) { prompts.push_back(id); }) {
        model.InitialDisplay(boxes);
    }

    // Types text into box id one keystroke at a time, as the user would.
    void TypeKeys(int id, const std::wstring& keys) {
        std::wstring text = boxes.Text(id);
        for (wchar_t key : keys) {
            text += key;
            boxes.Type(id, text);
            text = boxes.Text(id);
        }
    }

    std::wstring Text(int id) const { return boxes.Text(id); }

    QuantityPage model;
    MemoryBoxes boxes;
    std::vector<int> prompts;
};

// Expected texts of some boxes of a page.
using Shown = std::vector<std::pair<int, const wchar_t*>>;

inline void ExpectShown(const DrivenPage& page, const Shown& shown) {
    for (const auto& [id, text] : shown) EXPECT_EQ(page.Text(id), text) << "box " << id;
}

}  // namespace unitora
