#pragma once
// A node of the group tree as TRE_GRUPPI shows it: its key ("*" and its number), caption and Tag (the
// movement filter of the group), the break level it was made for, and its place among its siblings.

#include <string>
#include <vector>

namespace quorvane {

struct GroupNode {
    std::string key;
    std::string text;
    std::string tag;
    int level = 0;                       // the break level (1 the outermost), not the depth in the tree
    GroupNode* parent = nullptr;         // none at the top level
    std::vector<GroupNode*> children;    // in creation order
    int row = 0;                         // position among the parent's children (or the top-level nodes)
};

} // namespace quorvane
