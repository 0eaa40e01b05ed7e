// unitora-pages: drives the page model without windows. Reads commands from
// standard input, one per line:
//   page <index>        make page <index> (0..45) current; built on first use
//   type <id> <text>    box <id> now holds <text> and its change handler runs
//   show                one line "<id> <text>" per field, in reading order
// A failed read-back prints "prompt <id>" at that moment. A malformed command
// gets a message on standard error and is ignored; the exit status is 1 when
// any command was malformed.
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "MemoryBoxes.h"
#include "PageTable.h"
#include "QuantityPage.h"
#include "Utf8Text.h"

namespace {

using namespace unitora;

struct OpenPage {
    QuantityPage model;
    MemoryBoxes boxes;
    explicit OpenPage(const PageRecord& record)
        : model(record), boxes(model, [](int id) { std::printf("prompt %d\n", id); }) {
        model.InitialDisplay(boxes);
    }
};

std::optional<int> ParseNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

class Session {
public:
    // Returns an error message for a malformed command, or empty.
    std::string Run(std::string_view line) {
        if (line == "show") return Show();
        if (line.starts_with("page ")) return Page(line.substr(5));
        if (line.starts_with("type ")) return Type(line.substr(5));
        return "unknown command";
    }

private:
    std::string Page(std::string_view argument) {
        const std::optional<int> index = ParseNumber(argument);
        const PageRecord* record = index ? PageAt(*index) : nullptr;
        if (!record) return "no such page";
        if (!m_pages[*index]) m_pages[*index] = std::make_unique<OpenPage>(*record);
        m_current = m_pages[*index].get();
        return {};
    }

    std::string Type(std::string_view arguments) {
        if (!m_current) return "no current page";
        const std::size_t space = arguments.find(' ');
        const std::optional<int> id = ParseNumber(arguments.substr(0, space));
        if (!id || !m_current->model.HasField(*id)) return "no such box on this page";
        const std::string_view text =
            space == std::string_view::npos ? std::string_view{} : arguments.substr(space + 1);
        std::fflush(stdout);
        m_current->boxes.Type(*id, DecodeUtf8(text));
        return {};
    }

    std::string Show() {
        if (!m_current) return "no current page";
        for (const UnitField& field : m_current->model.Record().fields) {
            const std::string text = EncodeUtf8(m_current->boxes.Text(field.id));
            std::printf("%d %s\n", field.id, text.c_str());
        }
        return {};
    }

    std::unique_ptr<OpenPage> m_pages[kPageCount];
    OpenPage* m_current = nullptr;
};

}  // namespace

int main() {
    Session session;
    bool allWellFormed = true;
    std::string line;
    unsigned long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::string error = session.Run(line);
        if (!error.empty()) {
            allWellFormed = false;
            std::fprintf(stderr, "unitora-pages: line %lu: %s\n", lineNumber, error.c_str());
        }
    }
    return allWellFormed ? 0 : 1;
}
