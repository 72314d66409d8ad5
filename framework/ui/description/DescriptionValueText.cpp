#include "framework/ui/description/DescriptionValueText.h"

#include <cctype>
#include <charconv>

namespace fw {
namespace {

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

class ValueReader {
public:
    ValueReader(std::string_view text, std::size_t maxSetItems) : text_(text), maxSetItems_(maxSetItems) {}

    DescriptionValue read()
    {
        skipSpaces();
        if (position_ == text_.size())
            fail("a value is missing");
        DescriptionValue value;
        const char first = text_[position_];
        if (first == '\'' || first == '#')
            value = DescriptionValue::ofString(readString());
        else if (first == '[')
            value = DescriptionValue::ofSet(readSet());
        else if (first == '-' || isDigit(first))
            value = DescriptionValue::ofInteger(readInteger());
        else if (isIdentifierStart(first))
            value = DescriptionValue::ofIdentifier(readIdentifier());
        else
            fail("'" + std::string(text_.substr(position_)) + "' is not a value");
        skipSpaces();
        if (position_ != text_.size())
            fail("unexpected text after the value: '" + std::string(text_.substr(position_)) + "'");
        return value;
    }

private:
    [[noreturn]] static void fail(const std::string& what) { throw DescriptionValueError(what); }

    bool isAt(char c) const { return position_ < text_.size() && text_[position_] == c; }

    void skipSpaces()
    {
        while (isAt(' ') || isAt('\t'))
            ++position_;
    }

    // Quoted parts and character codes, side by side: 'Line one'#13#10'line two'.
    std::string readString()
    {
        std::string result;
        while (isAt('\'') || isAt('#')) {
            if (isAt('#'))
                result += readCharacterCode();
            else
                readQuoted(result);
        }
        return result;
    }

    void readQuoted(std::string& result)
    {
        ++position_;  // the opening quote
        for (;;) {
            if (position_ >= text_.size())
                fail("a string is not closed");
            const char c = text_[position_++];
            if (c != '\'') {
                result += c;
                continue;
            }
            if (!isAt('\''))
                return;
            result += '\'';
            ++position_;
        }
    }

    char readCharacterCode()
    {
        ++position_;  // "#"
        int code = 0;
        std::size_t digits = 0;
        // Four digits at most, so that a long run cannot overflow before the range check.
        while (position_ < text_.size() && isDigit(text_[position_]) && digits < 4) {
            code = code * 10 + (text_[position_++] - '0');
            ++digits;
        }
        if (digits == 0 || code > 255)
            fail("'#' must be followed by a character code from 0 to 255");
        return static_cast<char>(code);
    }

    std::int64_t readInteger()
    {
        std::size_t end = position_;
        if (text_[end] == '-')
            ++end;
        while (end < text_.size() && isDigit(text_[end]))
            ++end;
        std::int64_t value = 0;
        const auto [stop, error] = std::from_chars(text_.data() + position_, text_.data() + end, value);
        if (error == std::errc::result_out_of_range)
            fail("the number " + std::string(text_.substr(position_, end - position_)) + " is out of range");
        if (error != std::errc() || stop != text_.data() + end)
            fail("'" + std::string(text_.substr(position_)) + "' is not a number");
        position_ = end;
        return value;
    }

    std::string readIdentifier()
    {
        const std::size_t start = position_;
        while (position_ < text_.size() && isIdentifierChar(text_[position_]))
            ++position_;
        return std::string(text_.substr(start, position_ - start));
    }

    std::vector<std::string> readSet()
    {
        std::vector<std::string> items;
        ++position_;  // "["
        skipSpaces();
        if (isAt(']')) {
            ++position_;
            return items;
        }
        for (;;) {
            skipSpaces();
            if (position_ >= text_.size() || !isIdentifierStart(text_[position_]))
                fail("a set holds names separated by commas, in brackets");
            items.push_back(readIdentifier());
            if (items.size() > maxSetItems_)
                fail("a set has more than " + std::to_string(maxSetItems_) + " members");
            skipSpaces();
            if (isAt(',')) {
                ++position_;
                continue;
            }
            if (isAt(']')) {
                ++position_;
                return items;
            }
            fail("a set is not closed with ']'");
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t maxSetItems_;
};

// Control characters (line breaks above all) are written as codes, so that every string stays
// on its line.
std::string formatString(const std::string& text)
{
    std::string written;
    bool isQuoteOpen = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            if (isQuoteOpen)
                written += '\'';
            isQuoteOpen = false;
            written += "#" + std::to_string(byte);
            continue;
        }
        if (!isQuoteOpen)
            written += '\'';
        isQuoteOpen = true;
        written += c;
        if (c == '\'')
            written += '\'';
    }
    if (isQuoteOpen)
        written += '\'';
    return written.empty() ? "''" : written;
}

std::string formatSet(const std::vector<std::string>& items)
{
    std::string set = "[";
    for (std::size_t index = 0; index < items.size(); ++index)
        set += (index ? ", " : "") + items[index];
    return set + "]";
}

}  // namespace

DescriptionValue DescriptionValue::ofInteger(std::int64_t value)
{
    DescriptionValue result;
    result.kind = Kind::Integer;
    result.integer = value;
    return result;
}

DescriptionValue DescriptionValue::ofString(std::string value)
{
    DescriptionValue result;
    result.kind = Kind::String;
    result.text = std::move(value);
    return result;
}

DescriptionValue DescriptionValue::ofIdentifier(std::string value)
{
    DescriptionValue result;
    result.kind = Kind::Identifier;
    result.text = std::move(value);
    return result;
}

DescriptionValue DescriptionValue::ofSet(std::vector<std::string> items)
{
    DescriptionValue result;
    result.kind = Kind::Set;
    result.items = std::move(items);
    return result;
}

DescriptionValue readValue(std::string_view text, std::size_t maxSetItems)
{
    return ValueReader(text, maxSetItems).read();
}

std::string formatValue(const DescriptionValue& value)
{
    switch (value.kind) {
    case DescriptionValue::Kind::Integer:
        return std::to_string(value.integer);
    case DescriptionValue::Kind::String:
        return formatString(value.text);
    case DescriptionValue::Kind::Identifier:
        return value.text;
    case DescriptionValue::Kind::Set:
        return formatSet(value.items);
    }
    return {};
}

bool isIdentifier(std::string_view text)
{
    if (text.empty() || !isIdentifierStart(text[0]))
        return false;
    for (char c : text)
        if (!isIdentifierChar(c))
            return false;
    return true;
}

}  // namespace fw
