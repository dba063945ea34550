// Reading SGF's grammar in one pass over the text:
//
//   Collection = GameTree { GameTree }        GameTree = "(" Sequence { GameTree } ")"
//   Sequence   = Node { Node }                Node     = ";" { Property }
//   Property   = PropIdent PropValue { PropValue }
//   PropValue  = "[" value "]", where "\" takes the next character as it is
//
// with blanks allowed between any two of them. Instead of a call per game tree, the reader
// counts the trees open, and knows the main line as the trees opened first at each depth.
#include "support/sgf.h"

#include <optional>

namespace narabe {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

class MainLineReader {
  public:
    explicit MainLineReader(std::string_view text) : text_(text) {}

    SgfMainLine read() {
        if (text_.starts_with(BYTE_ORDER_MARK)) at_ = BYTE_ORDER_MARK.size();
        skipBlanks();
        if (at_ == text_.size() || text_[at_] != '(') return fault(SgfFault::SYNTAX);
        const std::optional<SgfFault> f = readFirstGameTree();
        if (f) return fault(*f);
        return std::move(line_);
    }

  private:
    // Reads up to the end of the first game tree; nothing when it is well formed.
    std::optional<SgfFault> readFirstGameTree() {
        int open = 0;            // game trees open
        int mainDepth = 0;       // the main line runs through the open trees 1..mainDepth
        bool mainDone = false;   // the main line's last tree has ended: the rest are variations
        bool treeStarts = false; // a "(" was just read: a node must follow
        bool afterTrees = false; // the open tree has had trees inside it: no more nodes
        for (;;) {
            skipBlanks();
            if (at_ == text_.size()) return SgfFault::SYNTAX; // a tree left open
            const char c = text_[at_++];
            if (c == '(') {
                if (treeStarts) return SgfFault::SYNTAX;
                if (open == mainDepth && !mainDone) mainDepth = open + 1;
                if (++open > SGF_MAX_NESTING) return SgfFault::TOO_DEEP;
                treeStarts = true;
                afterTrees = false;
            } else if (c == ')') {
                if (treeStarts) return SgfFault::SYNTAX;
                if (open == mainDepth) mainDone = true;
                if (--open == 0) return std::nullopt;
                afterTrees = true;
            } else if (c == ';') {
                if (afterTrees) return SgfFault::SYNTAX;
                treeStarts = false;
                const bool kept = open == mainDepth && !mainDone;
                if (kept) line_.nodes.emplace_back();
                if (!readProperties(kept ? &line_.nodes.back() : nullptr)) return SgfFault::SYNTAX;
            } else {
                return SgfFault::SYNTAX;
            }
        }
    }

    // The properties of a node, into `node` when it is kept. False on a broken property.
    bool readProperties(SgfNode* node) {
        for (;;) {
            skipBlanks();
            if (at_ == text_.size() || !(isUpper(text_[at_]) || isLower(text_[at_]))) return true;
            std::string id;
            while (at_ < text_.size() && (isUpper(text_[at_]) || isLower(text_[at_]))) {
                if (isUpper(text_[at_])) id.push_back(text_[at_]);
                ++at_;
            }
            // An identifier of lower-case letters only names nothing: its values are skipped.
            SgfProperty* property = nullptr;
            if (node != nullptr && !id.empty()) property = &node->emplace_back(SgfProperty{id, {}});
            skipBlanks();
            if (at_ == text_.size() || text_[at_] != '[') return false; // no value
            while (at_ < text_.size() && text_[at_] == '[') {
                std::string* value =
                    property != nullptr ? &property->values.emplace_back() : nullptr;
                if (!readValue(value)) return false;
                skipBlanks();
            }
        }
    }

    // A value from its "[" to its "]", unescaped into `value` when it is kept. An escaped
    // line break is a soft one and goes. False when the text ends inside the value.
    bool readValue(std::string* value) {
        ++at_; // "["
        while (at_ < text_.size()) {
            char c = text_[at_++];
            if (c == ']') return true;
            if (c == '\\') {
                if (at_ == text_.size()) return false;
                c = text_[at_++];
                if (c == '\n' || c == '\r') {
                    // One line break: LF, CR, CR LF or LF CR.
                    const char pair = c == '\n' ? '\r' : '\n';
                    if (at_ < text_.size() && text_[at_] == pair) ++at_;
                    continue;
                }
            }
            if (value != nullptr) value->push_back(c);
        }
        return false;
    }

    void skipBlanks() {
        while (at_ < text_.size() && isBlank(text_[at_]))
            ++at_;
    }

    static SgfMainLine fault(SgfFault f) { return SgfMainLine{f, {}}; }

    std::string_view text_;
    std::size_t at_ = 0;
    SgfMainLine line_;
};

} // namespace

SgfMainLine readSgfMainLine(std::string_view text) {
    return MainLineReader(text).read();
}

std::string sgfEscaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == ']' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

} // namespace narabe
