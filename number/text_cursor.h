#pragma once

// A walk through a text that remembers whether it ever looked past the end
// of it, or at an end that began a token: where the text is no number, that
// tells a beginning of one from a text no further character can mend. The
// walk's copies share the memory.

#include <initializer_list>
#include <string_view>

namespace quorvel::detail {

class TextCursor {
public:
    TextCursor(std::string_view text, bool& ran_out) : rest_(text), ran_out_(&ran_out) {}

    bool AtEnd() const { return rest_.empty(); }
    char Peek() const {
        if (rest_.empty()) *ran_out_ = true;
        return rest_.empty() ? '\0' : rest_.front();
    }
    void Next() { rest_.remove_prefix(1); }
    bool StartsWith(std::string_view token) const {
        if (token.empty()) return false;
        if (rest_.size() < token.size() && token.starts_with(rest_)) *ran_out_ = true;
        return rest_.starts_with(token);
    }
    // An empty token never matches: a locale without a symbol has none to take.
    bool Take(std::string_view token) {
        if (!StartsWith(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    // The first of the tokens that stands here, taken; empty where none does.
    template <class Tokens>
    std::string_view TakeAny(const Tokens& tokens) {
        for (std::string_view token : tokens) {
            if (Take(token)) return token;
        }
        return {};
    }
    void SkipBlanks() {
        while (Peek() == ' ' || Peek() == '\t') Next();
    }

private:
    std::string_view rest_;
    bool* ran_out_;
};

}  // namespace quorvel::detail
