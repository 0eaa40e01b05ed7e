#include "UnitReadings.h"

#include "PageList.h"

namespace unitora {
namespace {

struct Reading {
    const PageRecord* page;
    int fieldId;
    const wchar_t* reading;
};

// Each field by its ID, with its label in the comment. A kanji is read as
// the unit it names: 分 is ぶ as a length and ふん as an angle; 杼 is the
// large-number page's way of writing 秭 (10^24), read じょ or し.
constexpr Reading kReadings[] = {
    {&kLengthPage, 1020, L"ひろ"},                    // 尋
    {&kLengthPage, 1014, L"しゃく"},                  // 尺
    {&kLengthPage, 1013, L"すん"},                    // 寸
    {&kLengthPage, 1021, L"ぶ"},                      // 分
    {&kLengthPage, 1015, L"けん"},                    // 間
    {&kLengthPage, 1016, L"り"},                      // 里
    {&kLengthPage, 1025, L"ちょう"},                  // 町
    {&kLengthPage, 1082, L"こうねん"},                // 光年
    {&kLengthPage, 1018, L"かいり"},                  // 海里
    {&kAreaPage, 1008, L"つぼ"},                      // 坪
    {&kAreaPage, 1010, L"せ"},                        // 畝
    {&kAreaPage, 1011, L"たん"},                      // 反
    {&kAreaPage, 1012, L"ちょう"},                    // 町
    {&kAreaPage, 1082, L"じょう(きょうま)"},          // 畳(京間)
    {&kAreaPage, 1084, L"じょう(えどま)"},            // 畳(江戸間)
    {&kAreaPage, 1021, L"じょう(だんちま)"},          // 畳(団地間)
    {&kAreaPage, 1025, L"こうしえんきゅうじょう"},    // 甲子園球場
    {&kVolumePage, 1016, L"しゃく"},                  // 勺
    {&kVolumePage, 1008, L"ごう"},                    // 合
    {&kVolumePage, 1009, L"しょう"},                  // 升
    {&kVolumePage, 1010, L"と"},                      // 斗
    {&kVolumePage, 1011, L"こく"},                    // 石
    {&kVolumePage, 1015, L"こく(もくざいよう)"},      // 石(木材用)
    {&kMassPage, 1016, L"きん"},                      // 斤
    {&kPowerPage, 1006, L"でんきばりき"},             // 電気馬力
    {&kPowerPage, 1011, L"すいりょくばりき"},         // 水力馬力
    {&kAnglePage, 1003, L"ど"},                       // 度(deg)
    {&kAnglePage, 1005, L"ふん"},                     // 分
    {&kAnglePage, 1006, L"びょう"},                   // 秒
    {&kAnglePage, 1008, L"かいてん"},                 // 回転
    {&kAngularVelocityPage, 1008, L"とけいびょうしん"},  // 時計秒針
    {&kAngularVelocityPage, 1010, L"とけいふんしん"},    // 時計分針
    {&kAngularVelocityPage, 1011, L"とけいじしん"},      // 時計時針
    {&kAngularVelocityPage, 1012, L"ちきゅうじてん"},    // 地球自転
    {&kCountPage, 1001, L"こ"},                       // 個
    {&kTimePage, 1008, L"にち"},                      // 日
    {&kTimePage, 1010, L"つき、げつ"},                // 月(30日)
    {&kTimePage, 1011, L"ねん"},                      // 年(365日)
    {&kTimePage, 1015, L"こうせいびょう"},            // 恒星秒
    {&kMagneticFluxPage, 1006, L"じきょくたんい"},    // 磁極単位
    {&kDoseEquivalentPage, 1005, L"ねんかんひばくきょようりょう"},  // 年間被爆許容量(パリ協定)
    {&kLargeNumberPage, 1020, L"いち"},               // 一
    {&kLargeNumberPage, 1021, L"じゅう"},             // 十
    {&kLargeNumberPage, 1001, L"ひゃく"},             // 百
    {&kLargeNumberPage, 1003, L"せん"},               // 千
    {&kLargeNumberPage, 1005, L"まん"},               // 万
    {&kLargeNumberPage, 1006, L"おく"},               // 億
    {&kLargeNumberPage, 1007, L"ちょう"},             // 兆
    {&kLargeNumberPage, 1008, L"けい"},               // 京
    {&kLargeNumberPage, 1010, L"がい"},               // 垓
    {&kLargeNumberPage, 1025, L"じょ、し"},           // 杼
    {&kLargeNumberPage, 1011, L"じょう"},             // 穣
    {&kLargeNumberPage, 1012, L"こう"},               // 溝
    {&kLargeNumberPage, 1013, L"かん"},               // 澗
    {&kLargeNumberPage, 1014, L"せい"},               // 正
    {&kLargeNumberPage, 1015, L"さい"},               // 載
    {&kLargeNumberPage, 1016, L"ごく"},               // 極
    {&kLargeNumberPage, 1018, L"ごうがしゃ、こうがしゃ"},  // 恒河沙
    {&kLargeNumberPage, 1009, L"あそうぎ、あそぎ"},   // 阿僧祇
    {&kLargeNumberPage, 1074, L"なゆた"},             // 那由他
    {&kLargeNumberPage, 1029, L"ふかしぎ"},           // 不可思議
    {&kLargeNumberPage, 1076, L"むりょうたいすう"},   // 無量大数
};

}  // namespace

const wchar_t* UnitReading(const PageRecord& page, int fieldId) {
    for (const Reading& entry : kReadings) {
        if (entry.page == &page && entry.fieldId == fieldId) return entry.reading;
    }
    return nullptr;
}

}  // namespace unitora
