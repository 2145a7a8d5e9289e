// The data source that a drag offers, in-process: what it answers for which request, that every
// consumer gets a copy of its own, and that it lives as long as somebody holds it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ole_data_source.h"
#include "framework/ole_init.h"

namespace tessik {
namespace {

constexpr char kText[] = "two\r\nlines";
constexpr size_t kBlockSize = sizeof kText;  // the text and its NUL

ComPtr<COleDataSource> MakeTextSource() {
    ComPtr<COleDataSource> source = COleDataSource::Create();
    source->CacheGlobalData(CF_TEXT, MakeTextBlock(kText, kBlockSize - 1,
                                                   GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE));
    return source;
}

FORMATETC TextRequest() {
    return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

std::string BytesOf(HGLOBAL block) {
    GlobalLockGuard lock(block);
    return lock ? std::string(static_cast<const char*>(lock.data()), ::GlobalSize(block))
                : std::string();
}

class OleDataSourceTest : public ::testing::Test {
  protected:
    OleInitGuard ole_;
};

TEST_F(OleDataSourceTest, OffersOnlyTheCachedFormatForTheScreenContent) {
    ComPtr<COleDataSource> source = MakeTextSource();
    DVTARGETDEVICE device{};
    device.tdSize = sizeof device;
    const struct {
        const char* name;
        FORMATETC request;
        HRESULT expected;
    } kCases[] = {
        {"as cached", TextRequest(), S_OK},
        {"any medium",
         {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM},
         S_OK},
        {"other format",
         {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
         DV_E_FORMATETC},
        {"other aspect", {CF_TEXT, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL}, DV_E_DVASPECT},
        {"other index", {CF_TEXT, nullptr, DVASPECT_CONTENT, 0, TYMED_HGLOBAL}, DV_E_LINDEX},
        {"other medium", {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM}, DV_E_TYMED},
        {"a target device",
         {CF_TEXT, &device, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
         DV_E_FORMATETC},
    };
    for (auto c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(source->QueryGetData(&c.request), c.expected);
        STGMEDIUM medium{};
        const HRESULT got = source->GetData(&c.request, &medium);
        EXPECT_EQ(got, c.expected);
        if (SUCCEEDED(got))
            ::ReleaseStgMedium(&medium);
    }
}

TEST_F(OleDataSourceTest, EveryConsumerGetsACopyOfItsOwn) {
    ComPtr<COleDataSource> source = MakeTextSource();
    FORMATETC request = TextRequest();
    STGMEDIUM first{};
    STGMEDIUM second{};
    ASSERT_EQ(source->GetData(&request, &first), S_OK);
    ASSERT_EQ(source->GetData(&request, &second), S_OK);

    EXPECT_EQ(first.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(first.pUnkForRelease, nullptr) << "the consumer owns its copy";
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_EQ(BytesOf(first.hGlobal), std::string(kText, kBlockSize));
    // One consumer writing to and freeing its copy changes nothing for the next.
    {
        GlobalLockGuard lock(first.hGlobal);
        static_cast<char*>(lock.data())[0] = 'X';
    }
    ::ReleaseStgMedium(&first);
    STGMEDIUM third{};
    ASSERT_EQ(source->GetData(&request, &third), S_OK);
    EXPECT_EQ(BytesOf(third.hGlobal), std::string(kText, kBlockSize));
    ::ReleaseStgMedium(&second);
    ::ReleaseStgMedium(&third);
}

TEST_F(OleDataSourceTest, IsReadOnlyAndListsItsOneFormat) {
    ComPtr<COleDataSource> source = MakeTextSource();
    FORMATETC request = TextRequest();
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = MakeTextBlock("x", 1, GMEM_MOVEABLE).release();
    EXPECT_TRUE(FAILED(source->SetData(&request, &medium, FALSE)));
    ::ReleaseStgMedium(&medium);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(source->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    std::vector<FORMATETC> listed(4);
    ULONG count = 0;
    formats->Next(static_cast<ULONG>(listed.size()), listed.data(), &count);
    formats->Release();
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(listed[0].cfFormat, CF_TEXT);
    EXPECT_EQ(listed[0].ptd, nullptr);
    EXPECT_EQ(listed[0].dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
    EXPECT_EQ(listed[0].lindex, -1);
    EXPECT_EQ(listed[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));

    DWORD connection = 0;
    EXPECT_EQ(source->DAdvise(&request, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
}

TEST_F(OleDataSourceTest, LivesWhileATargetStillHoldsIt) {
    ComPtr<COleDataSource> source = MakeTextSource();
    IDataObject* held = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&held)), S_OK);
    source.reset();  // the view gives it up at the end of the drag

    FORMATETC request = TextRequest();
    STGMEDIUM medium{};
    ASSERT_EQ(held->GetData(&request, &medium), S_OK);
    EXPECT_EQ(BytesOf(medium.hGlobal), std::string(kText, kBlockSize));
    ::ReleaseStgMedium(&medium);
    EXPECT_EQ(held->Release(), 0u);  // the last reference: the source and its block go
}

}  // namespace
}  // namespace tessik
