// Writes the page: its shell with the calculator's script and WebAssembly in
// it, each gzip in base64, which the page unpacks once it is painted. The
// browser reads every byte of the file before its first paint; packed,
// these are less than half what they are plain.
//     node pack_page.mjs SHELL SCRIPT WASM PAGE
// Run by the build; a placeholder missing from the shell fails it.
import { readFileSync, writeFileSync } from 'node:fs';
import { constants, gzipSync } from 'node:zlib';

const [shell, script, wasm, page] = process.argv.slice(2);
const packed = file => gzipSync(readFileSync(file), { level: constants.Z_BEST_COMPRESSION }).toString('base64');

let text = readFileSync(shell, 'utf8');
for (const [placeholder, file] of [['{{{ SCRIPT }}}', script], ['{{{ WASM }}}', wasm]]) {
    if (!text.includes(placeholder)) {
        console.error(`pack_page.mjs: ${shell} has no ${placeholder}`);
        process.exit(1);
    }
    text = text.replace(placeholder, () => packed(file));
}
writeFileSync(page, text);
