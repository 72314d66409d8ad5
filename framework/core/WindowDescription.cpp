#include "framework/core/WindowDescription.h"

#include <cctype>
#include <charconv>

namespace fw {
namespace {

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Reads one value from the whole of `text`.
class ValueReader {
public:
    ValueReader(std::string_view text, int line, const DescriptionLimits& limits)
        : text_(text), line_(line), limits_(limits)
    {
    }

    DescriptionValue read()
    {
        if (text_.empty())
            fail("a value is missing");
        DescriptionValue value;
        const char first = text_[0];
        if (first == '\'' || first == '#')
            value = DescriptionValue::ofString(readString());
        else if (first == '[')
            value = DescriptionValue::ofSet(readSet());
        else if (first == '-' || std::isdigit(static_cast<unsigned char>(first)))
            value = DescriptionValue::ofInteger(readInteger());
        else if (isIdentifierStart(first))
            value = DescriptionValue::ofIdentifier(readIdentifier());
        else
            fail("'" + std::string(text_) + "' is not a value");
        skipSpaces();
        if (position_ != text_.size())
            fail("unexpected text after the value: '" + std::string(text_.substr(position_)) + "'");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw DescriptionError(line_, what); }

    void skipSpaces()
    {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t'))
            ++position_;
    }

    // Quoted parts and character codes, side by side: 'Line one'#13#10'line two'.
    std::string readString()
    {
        std::string result;
        while (position_ < text_.size() && (text_[position_] == '\'' || text_[position_] == '#')) {
            if (text_[position_] == '#')
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
            if (position_ < text_.size() && text_[position_] == '\'') {
                result += '\'';
                ++position_;
                continue;
            }
            return;
        }
    }

    char readCharacterCode()
    {
        ++position_;  // "#"
        int code = 0;
        std::size_t digits = 0;
        while (position_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[position_])) && digits < 4) {
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
        while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end])))
            ++end;
        std::int64_t value = 0;
        const auto [stop, error] = std::from_chars(text_.data() + position_, text_.data() + end, value);
        if (error == std::errc::result_out_of_range)
            fail("the number " + std::string(text_.substr(position_, end - position_)) + " is out of range");
        if (error != std::errc() || stop != text_.data() + end)
            fail("'" + std::string(text_) + "' is not a number");
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
        if (position_ < text_.size() && text_[position_] == ']') {
            ++position_;
            return items;
        }
        for (;;) {
            skipSpaces();
            if (position_ >= text_.size() || !isIdentifierStart(text_[position_]))
                fail("a set holds names separated by commas, in brackets");
            items.push_back(readIdentifier());
            if (items.size() > limits_.maxSetItems)
                fail("a set has more than " + std::to_string(limits_.maxSetItems) + " members");
            skipSpaces();
            if (position_ < text_.size() && text_[position_] == ',') {
                ++position_;
                continue;
            }
            if (position_ < text_.size() && text_[position_] == ']') {
                ++position_;
                return items;
            }
            fail("a set is not closed with ']'");
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int line_;
    const DescriptionLimits& limits_;
};

bool isPropertyName(std::string_view name)
{
    if (name.empty())
        return false;
    bool atPartStart = true;
    for (char c : name) {
        if (c == '.') {
            if (atPartStart)
                return false;
            atPartStart = true;
            continue;
        }
        if (atPartStart ? !isIdentifierStart(c) : !isIdentifierChar(c))
            return false;
        atPartStart = false;
    }
    return !atPartStart;
}

bool isIdentifier(std::string_view name)
{
    if (name.empty() || !isIdentifierStart(name[0]))
        return false;
    for (char c : name)
        if (!isIdentifierChar(c))
            return false;
    return true;
}

class Parser {
public:
    Parser(std::string_view text, const DescriptionLimits& limits) : text_(text), limits_(limits) {}

    DescriptionObject parse()
    {
        if (text_.size() > limits_.maxBytes)
            throw DescriptionError(0, "the description is larger than " + std::to_string(limits_.maxBytes) + " bytes");
        std::string_view line;
        if (!nextLine(line))
            throw DescriptionError(1, "the description is empty");
        DescriptionObject root = parseObject(line, 1);
        if (nextLine(line))
            throw DescriptionError(lineNumber_, "unexpected text after the last 'end': '" + std::string(line) + "'");
        return root;
    }

private:
    // The next line that is not blank or a comment, trimmed; false at the end of the text.
    bool nextLine(std::string_view& line)
    {
        while (position_ < text_.size()) {
            std::size_t end = text_.find('\n', position_);
            if (end == std::string_view::npos)
                end = text_.size();
            const std::string_view raw = text_.substr(position_, end - position_);
            position_ = end + 1;
            ++lineNumber_;
            if (raw.size() > limits_.maxLineLength)
                throw DescriptionError(lineNumber_, "the line is longer than " + std::to_string(limits_.maxLineLength) +
                                                        " characters");
            if (raw.find('\0') != std::string_view::npos)
                throw DescriptionError(lineNumber_, "the line holds a zero byte");
            line = trim(raw);
            if (!line.empty() && !line.starts_with("//"))
                return true;
        }
        return false;
    }

    // `header` is "object <name>: <class>".
    DescriptionObject parseObject(std::string_view header, int depth)
    {
        DescriptionObject object;
        object.line = lineNumber_;
        if (depth > limits_.maxDepth)
            throw DescriptionError(lineNumber_, "objects are nested deeper than " + std::to_string(limits_.maxDepth) +
                                                    " levels");
        if (!header.starts_with("object "))
            throw DescriptionError(lineNumber_, "'object <name>: <class>' expected, found '" + std::string(header) + "'");
        const std::string_view rest = trim(header.substr(7));
        const std::size_t colon = rest.find(':');
        if (colon == std::string_view::npos)
            throw DescriptionError(lineNumber_, "'object <name>: <class>' expected, found '" + std::string(header) + "'");
        object.name = std::string(trim(rest.substr(0, colon)));
        object.className = std::string(trim(rest.substr(colon + 1)));
        if (!isIdentifier(object.name))
            throw DescriptionError(lineNumber_, "'" + object.name + "' is not a component name");
        if (!isIdentifier(object.className))
            throw DescriptionError(lineNumber_, "'" + object.className + "' is not a class name");

        std::string_view line;
        for (;;) {
            if (!nextLine(line))
                throw DescriptionError(lineNumber_, "'end' of object " + object.name + " (line " +
                                                        std::to_string(object.line) + ") is missing");
            if (line == "end")
                return object;
            if (line.starts_with("object ")) {
                object.children.push_back(parseObject(line, depth + 1));
                continue;
            }
            object.properties.push_back(parseProperty(line));
        }
    }

    DescriptionProperty parseProperty(std::string_view line)
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            throw DescriptionError(lineNumber_, "'<property> = <value>' expected, found '" + std::string(line) + "'");
        DescriptionProperty property;
        property.line = lineNumber_;
        property.name = std::string(trim(line.substr(0, equals)));
        if (!isPropertyName(property.name))
            throw DescriptionError(lineNumber_, "'" + property.name + "' is not a property name");
        try {
            property.value = ValueReader(trim(line.substr(equals + 1)), lineNumber_, limits_).read();
        } catch (const DescriptionError& error) {
            // Name the property too.
            const std::string what = error.what();
            throw DescriptionError(lineNumber_, property.name + ": " + what.substr(what.find(": ") + 2));
        }
        return property;
    }

    std::string_view text_;
    const DescriptionLimits& limits_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

void writeObject(std::string& out, const DescriptionObject& object, int depth)
{
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += indent + "object " + object.name + ": " + object.className + "\n";
    for (const DescriptionProperty& property : object.properties)
        out += indent + "  " + property.name + " = " + formatValue(property.value) + "\n";
    for (const DescriptionObject& child : object.children)
        writeObject(out, child, depth + 1);
    out += indent + "end\n";
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

DescriptionError::DescriptionError(int line, const std::string& what)
    : std::runtime_error("Line " + std::to_string(line) + ": " + what), line_(line)
{
}

DescriptionObject parseDescription(std::string_view text, const DescriptionLimits& limits)
{
    return Parser(text, limits).parse();
}

std::string formatValue(const DescriptionValue& value)
{
    switch (value.kind) {
    case DescriptionValue::Kind::Integer:
        return std::to_string(value.integer);
    case DescriptionValue::Kind::String: {
        // Control characters (line breaks above all) are written as codes, so that every string
        // stays on its line.
        std::string written;
        bool isQuoteOpen = false;
        for (char c : value.text) {
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
    case DescriptionValue::Kind::Identifier:
        return value.text;
    case DescriptionValue::Kind::Set: {
        std::string set = "[";
        for (std::size_t index = 0; index < value.items.size(); ++index)
            set += (index ? ", " : "") + value.items[index];
        return set + "]";
    }
    }
    return {};
}

std::string writeDescription(const DescriptionObject& object)
{
    std::string out;
    writeObject(out, object, 0);
    return out;
}

}  // namespace fw
