#pragma once
// The nodes of the group tree, kept in creation order and found by key. Nodes are added as the last child
// of their parent, or as the last top-level node; the tree is never sorted.

#include "engine/GroupNode.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

class GroupTree {
public:
    // Adds a node under `parent` (none: at the top level). Throws std::invalid_argument for a key already
    // in the tree, as the tree control refuses one.
    GroupNode& add(GroupNode* parent, std::string key, std::string text, std::string tag, int level);

    GroupNode* find(std::string_view key);
    const GroupNode* find(std::string_view key) const;

    // SvuotaTree: removes every node.
    void clear();

    std::size_t size() const { return nodes_.size(); }
    const GroupNode& node(std::size_t creationIndex) const { return nodes_[creationIndex]; }
    const std::vector<GroupNode*>& topLevel() const { return topLevel_; }

private:
    std::deque<GroupNode> nodes_;                     // stable addresses, creation order
    std::vector<GroupNode*> topLevel_;
    std::unordered_map<std::string, GroupNode*> byKey_;
};

} // namespace quorvane
