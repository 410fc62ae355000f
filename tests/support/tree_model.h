// The tree library against std::set, for its random test and its fuzz target alike: each step
// goes to both, and Mismatch compares every view of the tree with the model.
#pragma once

#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "capture_stdout.h"
#include "support/bst.h"

namespace wb {

enum TreeOp { kTreeInsert, kTreeDelete, kTreeFind };

struct TreeModel {
    treeT tree = nullptr;
    std::set<int> keys;

    // Applies op with key to the tree and the model; returns what the tree must print for it.
    std::string Step(TreeOp op, int key) {
        if (op == kTreeInsert) {
            InsertNode(&tree, key);
            keys.insert(key);
        } else if (op == kTreeDelete) {
            DeleteNode(&tree, key);
            keys.erase(key);
        } else {
            FindNode(tree, key);
            return std::to_string(key) + (keys.count(key) ? " found" : " not found");
        }
        return "";
    }

    // The first view of the tree that departs from the model, or "": the in-order listing, the
    // keys of every other listing, min, max, count, sum and height.
    std::string Mismatch() const {
        std::string inOrder;
        std::multiset<int> sorted(keys.begin(), keys.end());
        unsigned sum = 0;
        for (int key : keys) {
            if (!inOrder.empty()) inOrder += ' ';
            inOrder += std::to_string(key);
            sum += static_cast<unsigned>(key);
        }
        if (CaptureStdout([&] { ListInOrder(tree); }) != inOrder) return "in order";
        for (void (*walk)(treeT) : {PreOrderWalk, PostOrderWalk, NodeLevelOrder, DisplayTree}) {
            std::istringstream in(CaptureStdout([&] { walk(tree); }));
            if (std::multiset<int>(std::istream_iterator<int>(in), {}) != sorted) return "a list";
        }
        auto shown = [&](auto key) { return keys.empty() ? "none" : std::to_string(*key); };
        if (CaptureStdout([&] { Min(tree), putchar(' '), Max(tree), putchar(' '), Count(tree); }) !=
            shown(keys.begin()) + " " + shown(keys.rbegin()) + " " + std::to_string(keys.size()))
            return "min, max or count";
        if (add(tree) != static_cast<int>(sum)) return "sum";
        int levels = std::stoi(CaptureStdout([&] { height(tree); }));
        if (levels > static_cast<int>(keys.size()) || (levels == 0) != keys.empty())
            return "height";
        return "";
    }

    // Deletes every key; true when that leaves the empty tree.
    bool Clear() {
        for (int key : keys)
            DeleteNode(&tree, key);
        keys.clear();
        return tree == nullptr;
    }
};

}  // namespace wb
