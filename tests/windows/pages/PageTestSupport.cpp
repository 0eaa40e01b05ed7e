#include "PageTestSupport.h"

#include <gtest/gtest.h>

ModelPage::ModelPage(const unitora::PageRecord& record)
    : page(record), boxes(page, [this](int id) { prompts.push_back(id); }) {
    page.InitialDisplay(boxes);
}

void ExpectSameTexts(HWND pageWindow, const ModelPage& model) {
    for (const unitora::UnitField& field : model.page.Record().fields) {
        EXPECT_EQ(model.boxes.Text(field.id), TextOf(::GetDlgItem(pageWindow, field.id)))
            << "box " << field.id << " of page " << model.page.Record().templateId;
    }
}

namespace {

PromptRecorder* g_pRecorder = nullptr;

}  // namespace

PromptRecorder::PromptRecorder(MessageLog* log) : m_pLog(log), m_previous(SetNumberPrompt(Record)) {
    g_pRecorder = this;
}

PromptRecorder::~PromptRecorder() {
    SetNumberPrompt(m_previous);
    g_pRecorder = nullptr;
}

void PromptRecorder::Record(HWND owner) {
    g_pRecorder->m_owners.push_back(owner);
    if (g_pRecorder->m_pLog != nullptr) {
        g_pRecorder->m_pLog->Add({owner, kPromptMarker, 0});
    }
}
