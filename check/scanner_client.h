/*
 * scanner_client.h: the scanner's command language, as siftdemo -c reads it and the checker
 * replays a case: one scanner, and each line one command, shown first as "> " and the line
 * (check/echo.h).
 *
 *   S text   SetScannerString of text, its C escapes decoded (\t \n \v \f \r \\ \" \xHH);
 *            "S" alone sets the empty text
 *   R        ReadToken: prints "[token]", the token written as AppendEscaped writes it (so
 *            that the brackets hold what S takes for it), and " (saved)" after it when it is
 *            the very pointer the last K saved
 *   M        MoreTokensExist: prints TRUE or FALSE
 *   K        SaveToken of the last token R read
 *   P, I     SetScannerSpaceOption: PreserveSpaces, IgnoreSpaces
 *   O        GetScannerSpaceOption: prints PreserveSpaces or IgnoreSpaces
 *   A        reads every token left as a client loop does (ReadToken while MoreTokensExist):
 *            prints "Tokens:" and " [token]" for each, marked as R marks it
 *   F        FreeScanner, then a new scanner from NewScanner
 *
 * An empty line prints only its echo; any other line prints why it is not a command. Every
 * token is the client's: it frees each once it is no longer needed, except one that the
 * scanner holds as saved, and everything that is left at the end.
 */
#ifndef WORKBENCH_CHECK_SCANNER_CLIENT_H
#define WORKBENCH_CHECK_SCANNER_CLIENT_H

#include "check/client.h" /* ScannerClient */

#endif
