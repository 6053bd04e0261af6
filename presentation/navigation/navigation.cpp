#include "presentation/navigation/navigation.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "platform/text/text.h"

namespace expo::presentation {

namespace {

constexpr std::string_view kItemWord = "polozka";
constexpr std::string_view kExhibitorItemWord = "SysPolozkaVystavovatele";

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// Section names are compared as written: "Polozka" alone makes no item.
bool isItem(std::string_view name) {
    return contains(name, kItemWord) || contains(name, kExhibitorItemWord);
}

bool isExhibitorItem(std::string_view name) {
    return contains(name, kExhibitorItemWord);
}

// Walks config.ini's item sections for one language and adds their nodes.
class NavigationBuilder {
  public:
    NavigationBuilder(const IniFile& config, const std::vector<std::string>& sections, int language,
                      bool hideData, NavigationTree& tree)
        : config_(config),
          sections_(sections),
          language_(text::intToStr(language)),
          hideData_(hideData),
          tree_(tree) {
        // Each item's "rodic" is read once; the items of a parent keep their file order.
        names_.reserve(sections_.size());
        for (size_t i = 0; i < sections_.size(); ++i) {
            names_.push_back(text::trim(sections_[i]));
            if (isItem(names_.back())) {
                childrenByParent_[read(names_.back(), "rodic")].push_back(i);
            }
        }
    }

    // Adds under `parentNode` a node for every item whose "rodic" is `parentKey`, each followed
    // by its own children, in file order; the children may stand anywhere in the file relative
    // to their parent. An item is built at most once, at the first place its section name
    // stands: a name written twice (it reads the same either way) would otherwise double its
    // whole subtree, level after level.
    void AddNavigationChildren(NavNode* parentNode, const std::string& parentKey) {
        const auto found = childrenByParent_.find(parentKey);
        if (found == childrenByParent_.end()) {
            return;
        }
        for (const size_t i : found->second) {
            const std::string& name = names_[i];
            if (!built_.insert(name).second) {
                continue;
            }
            if (isExhibitorItem(name) && hideData_) {
                // The hidden exhibitor item's own items take its place: they go where it would
                // have stood, under `parentNode`.
                AddNavigationChildren(parentNode, name);
                continue;
            }
            NavNode* node = AddNavigationNode(parentNode, i);
            if (isExhibitorItem(name)) {
                tree_.exhibitorNode = node;
            }
            // The items of an item without a node stand at the top level.
            AddNavigationChildren(node, name);
        }
    }

    // Adds the node of the item at `index` as the last child of `parentNode`; none when the
    // item has no caption, or neither a page nor a template, in this language.
    NavNode* AddNavigationNode(NavNode* parentNode, size_t index) {
        const std::string& section = sections_[index];
        std::string caption = readLanguage(section, "text");
        TNodeData data;
        data.Url = readLanguage(section, "url");
        const std::string templateName = readLanguage(section, "sablona");
        splitSubPages(readLanguage(section, "fulltext"), readLanguage(section, "fulltextName"),
                      data);
        if (caption.empty() || (data.Url.empty() && templateName.empty())) {
            return nullptr;
        }
        data.Kind = isExhibitorItem(text::trim(section)) ? NodeKind::ExhibitorItem : NodeKind::Page;
        data.ItemKey = section;
        return &tree_.add(parentNode, std::move(caption), std::move(data));
    }

  private:
    std::string read(std::string_view section, std::string_view key) const {
        return text::trim(config_.readString(section, key, ""));
    }
    std::string readLanguage(std::string_view section, std::string_view key) const {
        return read(section, std::string(key) + language_);
    }

    const IniFile& config_;
    const std::vector<std::string>& sections_;
    const std::string language_;
    const bool hideData_;
    NavigationTree& tree_;
    std::vector<std::string> names_;  // the section names, trimmed
    std::unordered_map<std::string, std::vector<size_t>> childrenByParent_;
    std::unordered_set<std::string> built_;  // item names already walked
};

NavNode* findDepthFirst(const std::vector<std::unique_ptr<NavNode>>& nodes,
                        const std::function<bool(const NavNode&)>& match) {
    for (const auto& node : nodes) {
        if (match(*node)) {
            return node.get();
        }
        if (NavNode* found = findDepthFirst(node->children, match)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

NavNode& NavigationTree::add(NavNode* parent, std::string caption, TNodeData data) {
    auto node = std::make_unique<NavNode>();
    node->caption = std::move(caption);
    node->data = std::move(data);
    node->parent = parent;
    auto& siblings = parent ? parent->children : roots_;
    siblings.push_back(std::move(node));
    return *siblings.back();
}

NavNode* NavigationTree::findByItemKey(std::string_view key) const {
    return findDepthFirst(roots_, [key](const NavNode& node) {
        const std::string itemKey = text::trim(node.data.ItemKey);
        return !itemKey.empty() && itemKey == key;
    });
}

void splitSubPages(std::string_view files, std::string_view titles, TNodeData& data) {
    if (files.empty()) {
        data.SubPageFiles.reset();
        data.SubPageTitles.reset();
        return;
    }
    auto& fileList = data.SubPageFiles.emplace();
    auto& titleList = data.SubPageTitles.emplace();
    // Cuts the text before the first ";" (all of it when there is none) and the ";" itself.
    const auto cut = [](std::string_view& list) {
        const size_t end = std::min(list.find(';'), list.size());
        std::string part = text::trim(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
        return part;
    };
    while (!files.empty()) {
        std::string file = cut(files);
        std::string title = cut(titles);
        if (file.empty()) {
            break;
        }
        fileList.push_back(std::move(file));
        titleList.push_back(std::move(title));
    }
}

NavigationTree buildNavigationTree(const IniFile& config, const std::vector<std::string>& sections,
                                   int language, bool hideData) {
    NavigationTree tree;
    NavigationBuilder(config, sections, language, hideData, tree)
        .AddNavigationChildren(nullptr, "");
    return tree;
}

}  // namespace expo::presentation
