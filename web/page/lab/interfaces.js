// The interfaces a learner may write in the Lab: the checker's four, each named as the checker
// names it, with the header that is its contract. build-site.mjs reads the same list to embed
// the headers, so that a header added here is embedded too.
export const INTERFACES = [
    { name: 'buffer', header: 'buffers/buffer.h' },
    { name: 'scanner', header: 'scanner/wordsift.h' },
    { name: 'set', header: 'sets/set.h' },
    { name: 'dictionary', header: 'words/lotdraw.h' },
];

// Every skeleton includes it, so its typedefs (string, bool) are the skeleton's to know.
export const SUPPORT_HEADER = 'support/genlib.h';
