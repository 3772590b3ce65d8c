// What the page must show, from the calculator built natively: the texts of
// every field after each step of scenarios.txt, under a locale's separators,
// and the window's tab order.
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));
const program = process.env.QUORVEL_EXPECTATIONS ?? `${here}../../build/default/web/tests/quorvel_page_expectations`;

// The decimal and group separators each locale's Intl writes.
export const locales = { 'en-US': ['.', ','], 'ro-RO': [',', '.'], 'fr-FR': [',', '\u202F'] };

export const byId = id => `[id="${id}"]`;

export function expectations(locale) {
    const [decimal, group] = locales[locale];
    return JSON.parse(execFileSync(program, [`${here}scenarios.txt`, decimal, group], { encoding: 'utf8' }));
}
