// The topic stream of a help file (its |TOPIC part): a chain of records cut
// into 4 KB blocks. A topic is a header record with its title followed by
// one text record per displayed paragraph; the topics form one browse
// sequence in their order.
//
// Two readers must find the same records: one walks the blocks as a stream,
// the other copies each block's data to its own place and finds a record by
// (block, offset). Both split a record position at 16 KB: position =
// block * 0x4000 + 12 + offset in the block's data. A record that crossed a
// block boundary would be read differently, so no record does: one that
// does not fit into the rest of a block starts the next, the rest is zero,
// and the last block is padded to its full size, which the second reader
// copies whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HelpDocument.h"

namespace unitora::help {

class TopicStream {
public:
    // Starts a topic; topics are numbered from 0 in the order they start.
    void AddTopic(std::string title, const SourcePlace& place);
    // A text record of the current topic: its structure and formatting
    // (LinkData1) and its displayed strings (LinkData2).
    void AddText(std::string formatting, std::string strings, const SourcePlace& place);

    // Lays the records out, closes the stream with an empty topic header
    // and returns the stream's bytes. A record larger than a block's data
    // throws SourceError at its place.
    std::string Finish();

    // Where a topic starts, as the |CONTEXT and |TTLBTREE indexes and jumps
    // name it: block * 0x8000 + the number of displayed characters of the
    // block's text records before it. Valid after Finish.
    std::uint32_t TopicOffsetOf(size_t topic) const { return m_records[m_topicRecords[topic]].topicOffset; }

private:
    struct Record {
        std::uint8_t type;
        std::string data1;
        std::string data2;
        SourcePlace place;
        std::uint32_t position = 0;
        std::uint32_t topicOffset = 0;
    };

    void Lay();
    void FillTopicHeaders();
    std::string Write() const;

    std::vector<Record> m_records;
    std::vector<size_t> m_topicRecords;
};

}  // namespace unitora::help
