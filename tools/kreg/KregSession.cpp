#include "KregSession.h"

#include "KeyPath.h"
#include "Unicode.h"
#include "WineName.h"

#include <istream>
#include <optional>
#include <ostream>
#include <vector>

namespace {

// Links pointing at links are followed this deep; a cycle then ends as a missing key.
constexpr int maxLinkDepth = 16;

struct Location {
    HKEY root;
    std::u16string path;
};

bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    return text.size() >= prefix.size() && wineEqual(text.substr(0, prefix.size()), prefix);
}

// "\Registry\Machine\Software\..." as Wine stores a link's target.
std::optional<Location> linkTarget(const RegKey& key)
{
    const RegValue* value = key.findValue(u"SymbolicLinkValue");
    if (!value || value->type != REG_LINK)
        return std::nullopt;
    std::u16string target = fromUtf16LeBytes(value->data);
    while (!target.empty() && target.back() == 0)
        target.pop_back();
    struct Branch {
        std::u16string_view prefix;
        HKEY root;
    };
    static const Branch branches[] = {
        {u"\\Registry\\Machine", HKEY_LOCAL_MACHINE},
        {u"\\Registry\\User\\S-1-5-21-0-0-0-1000", HKEY_CURRENT_USER},
        {u"\\Registry\\User", HKEY_USERS},
    };
    for (const Branch& branch : branches) {
        if (!startsWithNoCase(target, branch.prefix))
            continue;
        std::u16string_view rest = std::u16string_view(target).substr(branch.prefix.size());
        if (rest.empty())
            return Location{branch.root, {}};
        if (rest.front() != u'\\')
            continue;
        return Location{branch.root, std::u16string(rest.substr(1))};
    }
    return std::nullopt;
}

} // namespace

KregSession::KregSession(std::filesystem::path prefix, std::istream& in, std::ostream& out)
    : m_prefix(std::move(prefix)), m_in(in), m_out(out)
{
}

KregSession::~KregSession() = default;

Store& KregSession::store()
{
    if (!m_store)
        m_store = std::make_unique<Store>(m_prefix);
    return *m_store;
}

void KregSession::line(std::string_view text)
{
    m_out << text << "\r\n";
}

void KregSession::message(std::string_view text)
{
    m_out << "reg: " << text << "\r\n";
}

int KregSession::syntaxError(const std::string& operationWord)
{
    std::string upper = operationWord;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    message("Invalid syntax. Type \"REG " + upper + " /?\" for help.");
    return 1;
}

bool KregSession::confirm(const std::string& question)
{
    for (;;) {
        m_out << question << " (Yes|No)";
        m_out.flush();
        std::string answer;
        if (!std::getline(m_in, answer))
            return false;
        const size_t first = answer.find_first_not_of(" \t");
        const char c = first == std::string::npos ? '\0' : answer[first];
        if (c == 'Y' || c == 'y')
            return true;
        if (c == 'N' || c == 'n')
            return false;
    }
}

const RegKey* KregSession::openKey(HKEY root, std::u16string_view path)
{
    Location where{root, std::u16string(path)};
    for (int depth = 0; depth <= maxLinkDepth; ++depth) {
        std::vector<std::u16string> names;
        if (!KeyPath::trySplit(where.path, names))
            return nullptr;
        // Walk down one name at a time so that a link anywhere on the path is seen.
        const RegKey* key = store().findKey(where.root, u"");
        if (!key)
            return nullptr;
        std::optional<Location> redirect;
        for (size_t i = 0; i < names.size() && key; ++i) {
            key = key->findSubkey(names[i]);
            if (key && key->isLink()) {
                std::optional<Location> target = linkTarget(*key);
                if (!target)
                    return nullptr;
                std::vector<std::u16string> rest(names.begin() + static_cast<long>(i) + 1,
                                                 names.end());
                std::u16string tail = KeyPath::join(rest);
                if (!tail.empty())
                    target->path += target->path.empty() ? tail : u"\\" + tail;
                redirect = std::move(target);
                break;
            }
        }
        if (!redirect)
            return key;
        where = std::move(*redirect);
    }
    return nullptr;
}

std::unique_ptr<RegKey> KregSession::copyKey(HKEY root, std::u16string_view path)
{
    const RegKey* key = openKey(root, path);
    return key ? key->clone() : nullptr;
}

const RegKey* KregSession::followLink(const RegKey& key, std::unique_ptr<RegKey>& holder)
{
    if (!key.isLink())
        return &key;
    std::optional<Location> target = linkTarget(key);
    if (!target)
        return nullptr;
    holder = copyKey(target->root, target->path);
    return holder.get();
}
