// Lines of an interface's command language run through its client on the linked module and
// through the checker's model of the interface; anything the client prints that the model does
// not say ends the target. A line the model cannot judge, or one at which the program must end,
// is left out, so that the target goes on.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "check/check.h"
#include "check/client.h"

namespace wb {

inline void CheckLines(const interfaceT &interface, const clientT &client, traitsT traits,
                       const std::vector<std::string> &lines) {
    modelT *model = interface.NewModel(traits);
    modelT *probe = interface.NewModel(traits);  // a line tried before the model takes it
    expectT expect = {};
    std::string expected, printed;
    std::vector<std::string> kept;
    for (const std::string &line : lines) {
        ClearExpect(&expect);
        if (interface.Step(probe, line.c_str(), &expect) != nullptr || expect.ending != EndsNot) {
            interface.FreeModel(probe);
            probe = interface.NewModel(traits);
            for (const std::string &k : kept)
                interface.Step(probe, k.c_str(), &expect);
            continue;
        }
        kept.push_back(line);
        ClearExpect(&expect);
        interface.Step(model, line.c_str(), &expect);
        expected.append(TextString(&expect.out), expect.out.n);
    }
    ClearExpect(&expect);
    interface.Finish(model, &expect);
    expected.append(TextString(&expect.out), expect.out.n);
    printed = CaptureStdout([&] {
        void *state = client.Start();
        for (const std::string &line : kept)
            client.Line(state, line.c_str());
        client.Finish(state);
    });
    interface.FreeModel(model);
    interface.FreeModel(probe);
    FreeExpect(&expect);
    if (printed != expected) abort();
}

}  // namespace wb
