#include "TopicStream.h"

#include "LittleEndian.h"

namespace unitora::help {
namespace {

constexpr std::uint8_t kTopicHeader = 0x02;
constexpr std::uint8_t kText = 0x20;
constexpr size_t kBlockSize = 4096;
constexpr size_t kBlockHeaderSize = 12;
constexpr size_t kBlockDataSize = kBlockSize - kBlockHeaderSize;
constexpr size_t kLinkHeaderSize = 21;
constexpr size_t kTopicHeaderDataSize = 28;
constexpr std::uint32_t kPositionsPerBlock = 0x4000;
constexpr std::uint32_t kOffsetsPerBlock = 0x8000;

size_t SizeOf(size_t data1, size_t data2) { return kLinkHeaderSize + data1 + data2; }

std::uint32_t BlockOf(std::uint32_t position) { return (position - kBlockHeaderSize) / kPositionsPerBlock; }

}  // namespace

void TopicStream::AddTopic(std::string title, const SourcePlace& place) {
    m_topicRecords.push_back(m_records.size());
    m_records.push_back({kTopicHeader, std::string(kTopicHeaderDataSize, '\0'), std::move(title), place});
}

void TopicStream::AddText(std::string formatting, std::string strings, const SourcePlace& place) {
    m_records.push_back({kText, std::move(formatting), std::move(strings), place});
}

std::string TopicStream::Finish() {
    m_records.push_back({kTopicHeader, std::string(kTopicHeaderDataSize, '\0'), {}, {}});
    Lay();
    FillTopicHeaders();
    return Write();
}

void TopicStream::Lay() {
    std::uint32_t block = 0;
    size_t used = 0;
    std::uint32_t characters = 0;
    for (Record& record : m_records) {
        const size_t size = SizeOf(record.data1.size(), record.data2.size());
        if (size > kBlockDataSize) {
            throw SourceError(record.place, "a paragraph of " + std::to_string(size) +
                                                " bytes does not fit into a topic block of " +
                                                std::to_string(kBlockDataSize) + " bytes; split it");
        }
        if (used + size > kBlockDataSize) {
            ++block;
            used = 0;
            characters = 0;
        }
        record.position = static_cast<std::uint32_t>(block * kPositionsPerBlock + kBlockHeaderSize + used);
        record.topicOffset = block * kOffsetsPerBlock + characters;
        used += size;
        if (record.type == kText) characters += static_cast<std::uint32_t>(record.data2.size());
    }
}

// A topic header names the topics before and after it in the browse
// sequence (all topics in order), its topic's number, where its text begins
// and where the next topic begins; there is no non-scrolling region.
void TopicStream::FillTopicHeaders() {
    for (size_t topic = 0; topic < m_topicRecords.size(); ++topic) {
        const size_t first = m_topicRecords[topic];
        const size_t next = topic + 1 < m_topicRecords.size() ? m_topicRecords[topic + 1] : m_records.size() - 1;
        std::uint32_t size = 0;
        for (size_t i = first; i < next; ++i) {
            size += static_cast<std::uint32_t>(SizeOf(m_records[i].data1.size(), m_records[i].data2.size()));
        }
        std::string& data = m_records[first].data1;
        SetU32(data, 0, size);
        SetU32(data, 4, topic > 0 ? TopicOffsetOf(topic - 1) : kNoPosition);
        SetU32(data, 8, topic + 1 < m_topicRecords.size() ? TopicOffsetOf(topic + 1) : kNoPosition);
        SetU32(data, 12, static_cast<std::uint32_t>(topic));
        SetU32(data, 16, kNoPosition);
        SetU32(data, 20, first + 1 < next ? m_records[first + 1].position : kNoPosition);
        SetU32(data, 24, m_records[next].position);
    }
    std::string& closing = m_records.back().data1;
    SetU32(closing, 4, kNoPosition);
    SetU32(closing, 8, kNoPosition);
    SetU32(closing, 12, static_cast<std::uint32_t>(m_topicRecords.size()));
    SetU32(closing, 16, kNoPosition);
    SetU32(closing, 20, kNoPosition);
    SetU32(closing, 24, kNoPosition);
}

std::string TopicStream::Write() const {
    std::string out;
    std::uint32_t lastRecord = kNoPosition;
    std::uint32_t lastTopic = kNoPosition;
    for (size_t i = 0; i < m_records.size(); ++i) {
        const Record& record = m_records[i];
        const std::uint32_t block = BlockOf(record.position);
        if (out.size() <= block * kBlockSize) {
            out.resize(block * kBlockSize, '\0');
            PutU32(out, lastRecord);
            PutU32(out, record.position);
            PutU32(out, lastTopic);
        }
        const bool last = i + 1 == m_records.size();
        PutU32(out, static_cast<std::uint32_t>(SizeOf(record.data1.size(), record.data2.size())));
        PutU32(out, static_cast<std::uint32_t>(record.data2.size()));
        PutU32(out, lastRecord);
        PutU32(out, last ? kNoPosition : m_records[i + 1].position);
        PutU32(out, static_cast<std::uint32_t>(kLinkHeaderSize + record.data1.size()));
        PutU8(out, record.type);
        out += record.data1;
        out += record.data2;
        lastRecord = record.position;
        if (record.type == kTopicHeader) lastTopic = record.position;
    }
    out.resize((out.size() + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
    return out;
}

}  // namespace unitora::help
