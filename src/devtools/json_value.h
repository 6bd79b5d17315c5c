#pragma once
// The small JSON reader the developer tools need: one value per line, numbers as doubles,
// strings with the usual escapes. parse throws std::runtime_error on anything malformed.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina::json {

class Value {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<Value> elements;
    std::map<std::string, Value> members;

    const Value* find(const std::string& key) const; // null when absent or not an object
    const std::vector<Value>& items() const;         // throws unless an array
    int asInt() const;                               // throws unless an integer that fits
    bool asBool() const;
    const std::string& asString() const;
    std::string toJson() const; // strings and numbers only, enough to echo an id
};

Value parse(std::string_view line);
std::string quoted(std::string_view utf8);

} // namespace rusrina::json
