#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "ui/IconList.h"
#include "IconFile.h"

using namespace skl;

namespace {

TIcon Icon(std::uint8_t colour) {
    TIcon icon;
    const auto file = IconFile(colour);
    icon.LoadFromMemory(file.data(), file.size());
    return icon;
}

// The colour index each entry was made from, -1 for an empty entry.
std::vector<int> Colours(const TIconList& list) {
    std::vector<int> colours;
    for (int i = 0; i < list.Count(); ++i) {
        const TIcon* icon = list.Items(i);
        colours.push_back(icon ? icon->Data()[6 + 16 + 40 + 64] & 15 : -1);  // first pixel
    }
    return colours;
}

std::vector<std::uint8_t> Bytes(TMemoryStream& stream) {
    return {stream.Memory(), stream.Memory() + stream.Length()};
}

void PutInt32(std::vector<std::uint8_t>& bytes, std::int32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
}

}  // namespace

TEST(IconList, EntriesAreCopiesInTheOrderGiven) {
    TIconList list;
    TIcon a = Icon(1), b = Icon(2), c = Icon(3);
    EXPECT_EQ(list.Add(&a), 0);
    list.Add(nullptr);
    list.Add(&c);
    list.Insert(1, &b);
    EXPECT_EQ(Colours(list), (std::vector<int>{1, 2, -1, 3}));
    EXPECT_NE(list.Items(0), &a);
    EXPECT_EQ(list.Items(0)->Handle(), a.Handle());

    list.Exchange(0, 3);
    EXPECT_EQ(Colours(list), (std::vector<int>{3, 2, -1, 1}));
    list.Move(0, 2);
    EXPECT_EQ(Colours(list), (std::vector<int>{2, -1, 3, 1}));
    list.Replace(1, &a);
    list.Replace(4, &b);
    EXPECT_EQ(Colours(list), (std::vector<int>{2, 1, 3, 1, 2}));
    list.Delete(0);
    EXPECT_EQ(Colours(list), (std::vector<int>{1, 3, 1, 2}));
    EXPECT_EQ(list.IndexOf(list.Items(2)), 2);
    EXPECT_EQ(list.IndexOf(&a), -1);
}

TEST(IconList, AnIndexOutsideTheListFailsWithTheListIndexError) {
    TIconList list;
    TIcon a = Icon(1);
    list.Add(&a);
    for (int index : {-1, 1}) {
        try {
            list.Items(index);
            FAIL() << "no exception";
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, &a), EListError);
    EXPECT_THROW(list.Replace(2, &a), EListError);
    EXPECT_THROW(list.Exchange(0, 1), EListError);
    EXPECT_THROW(list.Move(1, 0), EListError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(IconList, EveryChangeIsReportedOnceOutsideAnUpdateBracket) {
    TIconList list;
    int changes = 0;
    list.OnChange = [&](TIconList&) { ++changes; };
    TIcon a = Icon(1), b = Icon(2);
    list.Add(&a);
    list.Add(&b);
    list.Exchange(0, 1);
    list.Move(0, 1);
    list.Replace(0, &b);
    list.Delete(1);
    EXPECT_EQ(changes, 6);

    list.Items(0)->Assign(a);  // a contained icon's picture changes
    EXPECT_EQ(changes, 7);

    list.BeginUpdate();
    list.BeginUpdate();
    list.Add(&a);
    list.Add(&b);
    list.EndUpdate();
    EXPECT_EQ(changes, 7);
    list.EndUpdate();
    EXPECT_EQ(changes, 8);

    list.Clear();
    EXPECT_EQ(changes, 9);
    EXPECT_EQ(list.Count(), 0);
}

TEST(IconList, AssignCopiesAListASingleIconOrNothing) {
    TIconList source, list;
    TIcon a = Icon(1), b = Icon(2);
    source.Add(&a);
    source.Add(nullptr);
    source.Add(&b);
    int changes = 0;
    list.OnChange = [&](TIconList&) { ++changes; };
    list.Add(&b);
    list.Assign(source);
    EXPECT_EQ(Colours(list), (std::vector<int>{1, -1, 2}));
    list.Assign(a);
    EXPECT_EQ(Colours(list), (std::vector<int>{1}));
    list.AssignNothing();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 4);
}

TEST(IconList, TheStoredFormHoldsCountLengthsAndIconFiles) {
    TIconList list;
    TIcon a = Icon(4);
    list.Add(&a);
    list.Add(nullptr);
    TMemoryStream stream;
    list.WriteData(stream);

    std::vector<std::uint8_t> expected;
    PutInt32(expected, 2);
    PutInt32(expected, 318);
    const auto file = IconFile(4);
    expected.insert(expected.end(), file.begin(), file.end());
    PutInt32(expected, 0);
    EXPECT_EQ(Bytes(stream), expected);

    TIconList read;
    TIcon b = Icon(9);
    read.Add(&b);
    int changes = 0;
    read.OnChange = [&](TIconList&) { ++changes; };
    stream.SetPosition(0);
    read.ReadData(stream);
    EXPECT_EQ(Colours(read), (std::vector<int>{4, -1}));
    EXPECT_EQ(changes, 1);
}

TEST(IconList, ANegativeLengthReadsAsAnEmptyEntry) {
    std::vector<std::uint8_t> bytes;
    PutInt32(bytes, 1);
    PutInt32(bytes, -5);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    TIconList list;
    list.ReadData(stream);
    EXPECT_EQ(Colours(list), (std::vector<int>{-1}));
}

TEST(IconList, ALengthPastTheEndOfTheStreamIsAReadError) {
    std::vector<std::uint8_t> bytes;
    PutInt32(bytes, 1);
    PutInt32(bytes, 0x7FFFFFFF);
    bytes.resize(bytes.size() + 20);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    TIconList list;
    int changes = 0;
    list.OnChange = [&](TIconList&) { ++changes; };
    try {
        list.ReadData(stream);
        FAIL() << "no exception";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
    EXPECT_EQ(changes, 1);  // the bracket closed
}
