// The tree library against std::set. Each byte is a step: its top two bits pick insert (twice
// as likely), delete or find, the rest is the key (fuzz::Value). Then every listing must hold the
// model's keys, the in-order one sorted, and the figures must agree; deleting every key gives all
// memory back.
#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "streams.h"
#include "support/bst.h"

namespace {

std::vector<long> Keys(const std::string &listing) {
    std::istringstream in(listing);
    std::vector<long> keys;
    for (long key; in >> key;)
        keys.push_back(key);
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    treeT tree = nullptr;
    std::set<int> model;
    std::string expected;
    std::string found = fuzz::Printed([&] {
        for (size_t i = 0; i < size; i++) {
            int key = fuzz::Value(data[i]);
            if (data[i] < 0x80) {
                InsertNode(&tree, key);
                model.insert(key);
            } else if (data[i] < 0xc0) {
                DeleteNode(&tree, key);
                model.erase(key);
            } else {
                FindNode(tree, key);
                expected += std::to_string(key) + (model.count(key) ? " found" : " not found");
            }
        }
    });
    if (found != expected) abort();
    std::vector<long> sorted(model.begin(), model.end());
    for (void (*walk)(treeT) : {PreOrderWalk, PostOrderWalk, NodeLevelOrder, DisplayTree}) {
        std::vector<long> keys = Keys(fuzz::Printed([&] { walk(tree); }));
        std::sort(keys.begin(), keys.end());
        if (keys != sorted) abort();
    }
    unsigned sum = 0;
    for (int key : model)
        sum += static_cast<unsigned>(key);
    std::string none = "none", min = model.empty() ? none : std::to_string(*model.begin());
    std::string max = model.empty() ? none : std::to_string(*model.rbegin());
    if (Keys(fuzz::Printed([&] { ListInOrder(tree); })) != sorted ||
        fuzz::Printed([&] { Min(tree), putchar(' '), Max(tree), putchar(' '), Count(tree); }) !=
            min + " " + max + " " + std::to_string(model.size()) ||
        add(tree) != static_cast<int>(sum))
        abort();
    int levels = std::stoi(fuzz::Printed([&] { height(tree); }));
    if (levels > static_cast<int>(model.size()) || (levels == 0) != model.empty()) abort();
    for (int key : model)
        DeleteNode(&tree, key);
    if (tree != nullptr) abort();
    return 0;
}
