// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's nginx and Apache, as a school runs them, serving a folder on a
// loopback port, with the page's configuration from the repository that the
// README quotes (packaging/web/nginx.conf, packaging/web/apache.conf), the
// way it tells an administrator to include it, for the page in ROOT/towers/:
//   const server = await startServer('nginx' | 'apache' | 'apache-htaccess', ROOT, { configured });
//   ... server.url (the page's folder) ...; await server.close();
// With configured false, the server serves the folder as installed, without
// the page's configuration: what the benchmark compares with.
// Both keep what Debian installs around it: its list of types, its modules
// and their settings, such as compressing text as it goes out.
import { spawn } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { sleep } from './devtools.mjs';

const repository = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const configuration = name => join(repository, 'packaging/web', name);
const asRoot = process.getuid() === 0;

const freePort = () => new Promise(done => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
        const { port } = probe.address();
        probe.close(() => done(port));
    });
});

const answers = port => new Promise(done => {
    const socket = connect(port, '127.0.0.1', () => { socket.destroy(); done(true); });
    socket.on('error', () => done(false));
});

// Debian's nginx.conf, less what needs the system's folders.
const nginx = (work, port, root, configured) => ({
    command: ['nginx', '-e', join(work, 'error.log'), '-c', join(work, 'nginx.conf')],
    file: 'nginx.conf',
    text: `${asRoot ? 'user root;' : ''}
daemon off;
pid ${work}/nginx.pid;
error_log ${work}/error.log;
include /etc/nginx/modules-enabled/*.conf;
events {}
http {
    sendfile on;
    tcp_nopush on;
    types_hash_max_size 2048;
    include /etc/nginx/mime.types;
    default_type application/octet-stream;
    access_log off;
    gzip on;
    client_body_temp_path ${work}/body;
    proxy_temp_path ${work}/proxy;
    fastcgi_temp_path ${work}/fastcgi;
    uwsgi_temp_path ${work}/uwsgi;
    scgi_temp_path ${work}/scgi;
    server {
        listen 127.0.0.1:${port};
        root ${root};
        location /towers/ {
            ${configured ? `include ${configuration('nginx.conf')};` : ''}
        }
    }
}
`,
});

// Debian's apache2.conf with the modules it enables, and the two that the
// README asks for (a2enmod headers rewrite), less what needs the system's
// folders. Apache serves nobody as root: its workers run as www-data.
const apache = (work, port, root, configured) => ({
    command: ['apache2', '-f', join(work, 'apache2.conf'), '-DFOREGROUND'],
    file: 'apache2.conf',
    text: `ServerRoot /etc/apache2
ServerName 127.0.0.1
PidFile ${work}/apache2.pid
Mutex file:${work} default
ErrorLog ${work}/error.log
Listen 127.0.0.1:${port}
${asRoot ? 'User www-data\nGroup www-data' : ''}
IncludeOptional mods-enabled/*.load
IncludeOptional mods-enabled/*.conf
<IfModule !headers_module>
    LoadModule headers_module /usr/lib/apache2/modules/mod_headers.so
</IfModule>
<IfModule !rewrite_module>
    LoadModule rewrite_module /usr/lib/apache2/modules/mod_rewrite.so
</IfModule>
TypesConfig /etc/mime.types
AccessFileName .htaccess
DocumentRoot ${root}
<Directory />
    Options FollowSymLinks
    AllowOverride None
    Require all denied
</Directory>
<Directory ${root}>
    Require all granted
</Directory>
${configured ? `<Directory ${root}/towers>\n    Include ${configuration('apache.conf')}\n</Directory>` : ''}
`,
});

// The same, but with the configuration as the folder's .htaccess, where the
// site allows it, as on a shared host.
const apacheHtaccess = (work, port, root) => {
    copyFileSync(configuration('apache.conf'), join(root, 'towers/.htaccess'));
    const { text, ...rest } = apache(work, port, root, false);
    return { ...rest, text: `${text}<Directory ${root}/towers>
    Options FollowSymLinks
    AllowOverride FileInfo
</Directory>
`,
    };
};

export async function startServer(kind, root, { configured = true } = {}) {
    const work = mkdtempSync(join(tmpdir(), `towers-${kind}-`));
    const port = await freePort();
    const { command, file, text } = { nginx, apache, 'apache-htaccess': apacheHtaccess }[kind](work, port, root, configured);
    writeFileSync(join(work, file), text);
    const server = spawn(command[0], command.slice(1), { stdio: ['ignore', 'inherit', 'inherit'] });
    const ended = new Promise(done => server.on('exit', done));
    const log = () => {
        try {
            return readFileSync(join(work, 'error.log'), 'utf8');
        } catch {
            return '';
        }
    };
    for (let tries = 0; !(await answers(port)); tries++) {
        if (server.exitCode !== null || tries > 100) {
            server.kill();
            throw new Error(`${kind} did not start:\n${log()}`);
        }
        await sleep(100);
    }
    return {
        url: `http://127.0.0.1:${port}/towers/`,
        log,
        close: async () => {
            server.kill('SIGTERM');
            await ended;
            rmSync(work, { recursive: true, force: true });
        },
    };
}
