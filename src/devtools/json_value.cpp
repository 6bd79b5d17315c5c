#include "devtools/json_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace rusrina::json {
namespace {

constexpr int kDeepest = 32; // nesting a case never needs; deeper input is refused, not recursed

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    Value document() {
        Value v = value(0);
        skipSpace();
        if (m_at != m_text.size())
            fail("text after the value");
        return v;
    }

private:
    [[noreturn]] void fail(const char* what) const {
        throw std::runtime_error(std::string(what) + " at column " + std::to_string(m_at + 1));
    }
    void skipSpace() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool take(char c) {
        skipSpace();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool takeWord(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    Value value(int depth) {
        if (depth > kDeepest)
            fail("nesting too deep");
        skipSpace();
        Value v;
        if (take('{'))
            return object(depth);
        if (take('['))
            return array(depth);
        if (m_at < m_text.size() && m_text[m_at] == '"') {
            v.kind = Value::Kind::String;
            v.text = string();
        } else if (takeWord("true") || takeWord("false")) {
            v.kind = Value::Kind::Bool;
            v.boolean = m_text[m_at - 1] == 'e' && m_text[m_at - 2] == 'u';
        } else if (takeWord("null")) {
            v.kind = Value::Kind::Null;
        } else {
            v.kind = Value::Kind::Number;
            v.number = numberValue();
        }
        return v;
    }

    Value object(int depth) {
        Value v;
        v.kind = Value::Kind::Object;
        if (take('}'))
            return v;
        do {
            skipSpace();
            if (m_at >= m_text.size() || m_text[m_at] != '"')
                fail("a key must be a string");
            std::string key = string();
            if (!take(':'))
                fail("':' expected");
            v.members[key] = value(depth + 1);
        } while (take(','));
        if (!take('}'))
            fail("'}' expected");
        return v;
    }

    Value array(int depth) {
        Value v;
        v.kind = Value::Kind::Array;
        if (take(']'))
            return v;
        do
            v.elements.push_back(value(depth + 1));
        while (take(','));
        if (!take(']'))
            fail("']' expected");
        return v;
    }

    double numberValue() {
        const size_t start = m_at;
        while (m_at < m_text.size() && std::string_view("+-0123456789.eE").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
        const std::string digits(m_text.substr(start, m_at - start));
        char* end = nullptr;
        const double d = digits.empty() ? 0.0 : std::strtod(digits.c_str(), &end);
        if (digits.empty() || end != digits.c_str() + digits.size() || !std::isfinite(d))
            fail("a value expected");
        return d;
    }

    void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string string() {
        ++m_at; // the opening quote
        std::string out;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            char c = m_text[m_at++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_at >= m_text.size())
                break;
            c = m_text[m_at++];
            static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
            if (const size_t i = kFrom.find(c); i != std::string_view::npos) {
                out += kTo[i];
            } else if (c == 'u' && m_at + 4 <= m_text.size()) {
                const std::string hex(m_text.substr(m_at, 4));
                char* end = nullptr;
                const unsigned code = static_cast<unsigned>(std::strtoul(hex.c_str(), &end, 16));
                if (end != hex.c_str() + 4)
                    fail("bad \\u escape");
                appendUtf8(out, code);
                m_at += 4;
            } else {
                fail("bad escape");
            }
        }
        if (m_at >= m_text.size())
            fail("unterminated string");
        ++m_at;
        return out;
    }

    std::string_view m_text;
    size_t m_at = 0;
};

} // namespace

const Value* Value::find(const std::string& key) const {
    if (kind != Kind::Object)
        return nullptr;
    const auto it = members.find(key);
    return it == members.end() ? nullptr : &it->second;
}

const std::vector<Value>& Value::items() const {
    if (kind != Kind::Array)
        throw std::runtime_error("an array expected");
    return elements;
}

int Value::asInt() const {
    if (kind != Kind::Number || number != std::floor(number) || std::fabs(number) > 1e9)
        throw std::runtime_error("an integer expected");
    return static_cast<int>(number);
}

bool Value::asBool() const {
    if (kind != Kind::Bool)
        throw std::runtime_error("true or false expected");
    return boolean;
}

const std::string& Value::asString() const {
    if (kind != Kind::String)
        throw std::runtime_error("a string expected");
    return text;
}

std::string Value::toJson() const {
    if (kind == Kind::String)
        return quoted(text);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", number);
    return kind == Kind::Number ? buffer : "null";
}

Value parse(std::string_view line) {
    return Parser(line).document();
}

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace rusrina::json
