// What the page window tests compare against and observe: the portable page
// model on plain strings, and the prompt through its replaceable function.
#pragma once

#include "MemoryBoxes.h"
#include "NumberPrompt.h"
#include "QuantityPage.h"
#include "WindowTestSupport.h"

#include <vector>

// The page model of a record on plain strings, after its initial display:
// what a page window must show.
struct ModelPage {
    explicit ModelPage(const unitora::PageRecord& record);
    ModelPage(const ModelPage&) = delete;
    ModelPage& operator=(const ModelPage&) = delete;

    unitora::QuantityPage page;
    std::vector<int> prompts;  // boxes that got the prompt's focus
    unitora::MemoryBoxes boxes;
};

// Every unit field's box of the page window shows what the model's shows.
void ExpectSameTexts(HWND pageWindow, const ModelPage& model);

// Takes the place of the prompt's message box while it lives: records each
// prompt's owner and, when a log is given, puts a marker entry (the owner
// with message kPromptMarker) into the log's sequence.
class PromptRecorder {
public:
    static constexpr UINT kPromptMarker = WM_APP + 1;

    explicit PromptRecorder(MessageLog* log = nullptr);
    ~PromptRecorder();
    PromptRecorder(const PromptRecorder&) = delete;
    PromptRecorder& operator=(const PromptRecorder&) = delete;

    std::vector<HWND> m_owners;

private:
    static void Record(HWND owner);

    MessageLog* m_pLog;
    NumberPromptFunction m_previous;
};
