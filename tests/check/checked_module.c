/* A bundled module under the checker: the program's main and everything else come from the
 * archives it links, as they do for an outside module (workbench check). */
extern const char CheckMainAnchor;
