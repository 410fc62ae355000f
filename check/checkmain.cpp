/* checkmain: the checker program of one interface (check/checkmain.h). */
#include "check/checkmain.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "check/report.h"
#include "check/runner.h"
#include "support/numread.h"

namespace {

enum { StatusPassed = 0, StatusFailed = 1, StatusUsage = 2, StatusFault = 3, MostCaseFiles = 16 };

int Usage(const char *program) {
    fprintf(stderr,
            "usage: %s [--capacity N] [--reports-ends] [--timeout SECONDS] [--memory MB]\n"
            "       [--cases FILE]... [--weights FILE] [--format "
            "text|tap|junit|gradescope|prairielearn]\n"
            "       [--output FILE] [--bench [--name NAME]]\n",
            program);
    return StatusUsage;
}

bool PositiveNumber(const char *text, int *value) {
    return ParseInt(text, strlen(text), RefuseOutOfRange, value) && *value > 0;
}

}  // namespace

int CheckMain(int argc, char **argv, const interfaceT *interface, const clientT *client,
              benchT bench) {
    traitsT traits = {0, false};
    formatT format = FormatText;
    const char *output = nullptr, *weights = nullptr, *name = "module";
    const char *caseFiles[MostCaseFiles] = {};
    int caseFileCount = 0, seconds = DefaultSeconds, megabytes = DefaultMegabytes;
    bool benchmark = false;
    for (int i = 1; i < argc; i++) {
        const char *option = argv[i];
        if (strcmp(option, "--reports-ends") == 0) {
            traits.reportsEnds = true;
            continue;
        }
        if (strcmp(option, "--bench") == 0 && bench != nullptr) {
            benchmark = true;
            continue;
        }
        const char *value = i + 1 < argc ? argv[++i] : nullptr;
        bool ok = true;
        if (value == nullptr)
            ok = false;
        else if (strcmp(option, "--capacity") == 0)
            ok = PositiveNumber(value, &traits.capacity);
        else if (strcmp(option, "--timeout") == 0)
            ok = PositiveNumber(value, &seconds);
        else if (strcmp(option, "--memory") == 0)
            ok = PositiveNumber(value, &megabytes);
        else if (strcmp(option, "--format") == 0)
            ok = ParseFormat(value, &format);
        else if (strcmp(option, "--output") == 0)
            output = value;
        else if (strcmp(option, "--weights") == 0)
            weights = value;
        else if (strcmp(option, "--name") == 0)
            name = value;
        else if (strcmp(option, "--cases") == 0 && caseFileCount < MostCaseFiles)
            caseFiles[caseFileCount++] = value;
        else
            ok = false;
        if (!ok) return Usage(argv[0]);
    }
    limitsT limits = {static_cast<double>(seconds), megabytes};
    if (benchmark) {
        bench(traits, name, stdout);
        return StatusPassed;
    }
    caseListT cases = {};
    textT error = {};
    if (!GatherCases(interface, traits, caseFiles, caseFileCount, weights, &cases, &error)) {
        fprintf(stderr, "%s: %s\n", argv[0], TextString(&error));
        TextFree(&error);
        FreeCases(&cases);
        return StatusUsage;
    }
    FILE *out = output != nullptr ? fopen(output, "w") : stdout;
    if (out == nullptr) {
        fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], output, strerror(errno));
        FreeCases(&cases);
        return StatusUsage;
    }
    resultT *results =
        static_cast<resultT *>(calloc(static_cast<size_t>(cases.count) + 1, sizeof *results));
    if (results == nullptr) abort();
    int status = StatusPassed;
    if (!RunCases(interface, traits, client, &cases, limits, results)) {
        fprintf(stderr, "%s: the checker could not run the cases; no report was written\n",
                argv[0]);
        status = StatusFault;
    } else {
        WriteReport(format, interface, results, cases.count, nullptr, out);
        for (int i = 0; i < cases.count; i++)
            if (results[i].verdict != VerdictPassed) status = StatusFailed;
    }
    if (out != stdout && fclose(out) != 0 && status != StatusFault) {
        fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], output, strerror(errno));
        status = StatusFault;
    }
    if (status == StatusFault && output != nullptr) remove(output);
    for (int i = 0; i < cases.count; i++)
        FreeResult(&results[i]);
    free(results);
    FreeCases(&cases);
    return status;
}
