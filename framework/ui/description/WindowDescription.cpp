#include "framework/ui/description/WindowDescription.h"

namespace fw {
namespace {

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Identifiers joined by dots: Font.Name.
bool isPropertyName(std::string_view name)
{
    for (;;) {
        const std::size_t dot = name.find('.');
        if (!isIdentifier(name.substr(0, dot)))
            return false;
        if (dot == std::string_view::npos)
            return true;
        name.remove_prefix(dot + 1);
    }
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
            property.value = readValue(trim(line.substr(equals + 1)), limits_.maxSetItems);
        } catch (const DescriptionValueError& error) {
            throw DescriptionError(lineNumber_, property.name + ": " + error.what());
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

DescriptionError::DescriptionError(int line, const std::string& what)
    : std::runtime_error("Line " + std::to_string(line) + ": " + what), line_(line)
{
}

DescriptionObject parseDescription(std::string_view text, const DescriptionLimits& limits)
{
    return Parser(text, limits).parse();
}

std::string writeDescription(const DescriptionObject& object)
{
    std::string out;
    writeObject(out, object, 0);
    return out;
}

}  // namespace fw
