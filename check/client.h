/*
 * client.h: an interface's example client as the checker runs it, one input line at a time.
 *
 * Each interface's client (bufdemo, siftdemo -c, bagdemo, wordpick -c) reads its command
 * language from standard input through one of these, and the checker feeds a case's script to
 * the same one, so that what a case prints is what the client prints for the script, and a
 * failure replays in the client byte for byte. Its units call the module's operations and so
 * are linked with whichever module the program has.
 */
#ifndef WORKBENCH_CHECK_CLIENT_H
#define WORKBENCH_CHECK_CLIENT_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    const char *name;
    /* The client's state before its first line: its handles made. */
    void *(*Start)(void);
    /* One line of input, without its line end, printed on standard output as the client does. */
    void (*Line)(void *state, const char *line);
    /* The end of input: the client's last output, then everything given back. */
    void (*Finish)(void *state);
} clientT;

extern const clientT BufferClient, ScannerClient, SetClient, DictionaryClient;

#ifdef __cplusplus
}
#endif

#endif
