// The page's build and checks use the tools of the web stage: they must come
// from scripts/install-deps.sh by that stage, as the native builds' do.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../..', import.meta.url));

test('the tools of the web stage come from scripts/install-deps.sh', () => {
    const check = [`${root}scripts/tests/tools_test.sh`, `${root}scripts/install-deps.sh`, 'build', 'test', 'web'];
    try {
        execFileSync('sh', check, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
    } catch (failed) {
        assert.fail(failed.stdout.split('\n').filter(line => !line.startsWith('ok')).join('\n'));
    }
});
