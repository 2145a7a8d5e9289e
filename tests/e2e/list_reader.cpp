#include "list_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ansi_text.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMilliseconds = 10000;

}  // namespace

std::optional<LRESULT> ListReader::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list_, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMilliseconds,
                             &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

int ListReader::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT).value_or(LB_ERR));
}

int ListReader::CurrentSelection() const {
    return static_cast<int>(Send(LB_GETCURSEL).value_or(LB_ERR));
}

int ListReader::HorizontalExtent() const {
    return static_cast<int>(Send(LB_GETHORIZONTALEXTENT).value_or(LB_ERR));
}

int ListReader::TextLengthUnits(int index) const {
    return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index)).value_or(LB_ERR));
}

std::optional<std::string> ListReader::Text(int index) const {
    const int length = TextLengthUnits(index);
    if (length < 0) {
        return std::nullopt;
    }
    if (length > kLongestReadableUnits) {
        ADD_FAILURE() << "entry " << index << " has " << length
                      << " UTF-16 units; Wine cannot read entries over " << kLongestReadableUnits
                      << " from another process (see list_reader.h)";
        return std::nullopt;
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied || *copied < 0) {
        return std::nullopt;
    }
    buffer.resize(static_cast<size_t>(std::min<LRESULT>(*copied, length)));
    return WideToAnsi(buffer);
}

std::optional<std::vector<std::string>> ListReader::Texts() const {
    const int count = Count();
    if (count < 0) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (int index = 0; index < count; ++index) {
        auto text = Text(index);
        if (!text) {
            return std::nullopt;
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

}  // namespace e2e
