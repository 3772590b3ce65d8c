// The page's build uses the tools of the web stage, its checks those of the
// browsers stage: they must come from scripts/install-deps.sh by those
// stages, as the native builds' do. The
// page's own tool, which writes its shell, fails the build rather than give
// it a shell it could not read or write whole.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../..', import.meta.url));

test('the tools of the web and browsers stages come from scripts/install-deps.sh', () => {
    const check = [`${root}scripts/tests/tools_test.sh`, `${root}scripts/install-deps.sh`, 'build', 'test', 'web', 'browsers'];
    try {
        execFileSync('sh', check, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
    } catch (failed) {
        assert.fail(failed.stdout.split('\n').filter(line => !line.startsWith('ok')).join('\n'));
    }
});

test('the shell is read and written whole, or the build fails', () => {
    const maker = `${root}build/web/web/quorvel_make_shell.js`;
    for (const [shell, out, told] of [[`${root}web/none.html`, '/dev/null', 'cannot read'],
                                      [`${root}web/shell.html`, '/dev/full', 'cannot write /dev/full']]) {
        const made = spawnSync('node', [maker, shell, out], { encoding: 'utf8' });
        assert.equal(made.status, 1, `${shell} into ${out}`);
        assert.match(made.stderr, new RegExp(told));
    }
});
