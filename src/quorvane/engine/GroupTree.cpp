#include "engine/GroupTree.h"

#include <stdexcept>

namespace quorvane {

GroupNode& GroupTree::add(GroupNode* parent, std::string key, std::string text, std::string tag, int level)
{
    if (byKey_.count(key))
        throw std::invalid_argument("the group tree already holds a node with key " + key);
    std::vector<GroupNode*>& siblings = parent ? parent->children : topLevel_;
    GroupNode& node = nodes_.emplace_back();
    node.key = std::move(key);
    node.text = std::move(text);
    node.tag = std::move(tag);
    node.level = level;
    node.parent = parent;
    node.row = static_cast<int>(siblings.size());
    siblings.push_back(&node);
    byKey_.emplace(node.key, &node);
    return node;
}

GroupNode* GroupTree::find(std::string_view key)
{
    const auto found = byKey_.find(std::string(key));
    return found == byKey_.end() ? nullptr : found->second;
}

const GroupNode* GroupTree::find(std::string_view key) const
{
    return const_cast<GroupTree*>(this)->find(key);
}

void GroupTree::clear()
{
    byKey_.clear();
    topLevel_.clear();
    nodes_.clear();
}

} // namespace quorvane
