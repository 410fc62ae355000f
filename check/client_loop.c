/* client_loop: a client program's line loop (check/client_loop.h). */
#define _POSIX_C_SOURCE 200809L

#include "check/client_loop.h"

#include <stdio.h>
#include <stdlib.h>

int RunClient(const clientT *client, FILE *in) {
    /*
     * The state stays in this frame until Finish, so that a module that ends the program
     * midway leaves the client's memory reachable rather than leaked.
     */
    void *state = client->Start();
    char *line = NULL;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, in)) != -1) {
        if (length > 0 && line[length - 1] == '\n') line[length - 1] = '\0';
        client->Line(state, line);
    }
    int status = 0;
    if (!feof(in)) {
        perror(client->name);
        status = 1;
    }
    free(line);
    client->Finish(state);
    return status;
}
