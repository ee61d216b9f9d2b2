// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's nginx and Apache, as a school runs them, serving a folder on a
// loopback port, with the page's configuration from the repository that
// docs/web-hosting.md quotes (packaging/web/nginx.conf, packaging/web/apache.conf),
// the way it tells an administrator to include it, for the page in
// ROOT/towers/:
//   const server = await startServer(KIND, ROOT, { configured });
//   ... server.url (the page's folder), server.sent() ...; await server.close();
// Run as a program, it serves ROOT so until stopped, having printed the
// page's address first:
//   servers.mjs KIND ROOT
// KIND is nginx, apache, apache-htaccess (the configuration as the folder's
// .htaccess) or apache-htaccess-bare (the same with Debian's modules alone,
// headers and rewrite off). With configured false, the server serves the
// folder as installed, without the page's configuration: what the benchmark
// compares with. sent() is what the server's log says it has sent so far:
// the bytes of every answer, headers included, the number of answers, and
// the log's lines (status, bytes, address).
// Both keep what Debian installs around it: its list of types, its modules
// and their settings, such as compressing text as it goes out. nginx's site
// has rules of its own, as a school's has: a header for every answer, and a
// pattern location that would take every script.
import { spawn } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
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
    log_format sent '$status $bytes_sent $request_uri';
    access_log ${work}/access.log sent;
    gzip on;
    client_body_temp_path ${work}/body;
    proxy_temp_path ${work}/proxy;
    fastcgi_temp_path ${work}/fastcgi;
    uwsgi_temp_path ${work}/uwsgi;
    scgi_temp_path ${work}/scgi;
    server {
        listen 127.0.0.1:${port};
        root ${root};
        add_header X-Content-Type-Options nosniff;
        location ~* \\.(js|css)$ {
            expires 7d;
        }
        location ^~ /towers/ {
            ${configured ? `add_header X-Content-Type-Options nosniff always;
            include ${configuration('nginx.conf')};` : ''}
        }
    }
}
`,
});

// Debian's apache2.conf with the modules it enables, and the two that
// docs/web-hosting.md asks for (a2enmod headers rewrite) unless bare, less what
// needs the system's folders. Apache serves nobody as root: its workers run as
// www-data.
const apache = (work, port, root, configured, bare = false) => ({
    command: ['apache2', '-f', join(work, 'apache2.conf'), '-DFOREGROUND'],
    file: 'apache2.conf',
    text: `ServerRoot /etc/apache2
ServerName 127.0.0.1
PidFile ${work}/apache2.pid
Mutex file:${work} default
ErrorLog ${work}/error.log
LogFormat "%>s %O %U" sent
CustomLog ${work}/access.log sent
Listen 127.0.0.1:${port}
${asRoot ? 'User www-data\nGroup www-data' : ''}
${bare ? debiansModules(work) : `IncludeOptional mods-enabled/*.load
IncludeOptional mods-enabled/*.conf
<IfModule !headers_module>
    LoadModule headers_module /usr/lib/apache2/modules/mod_headers.so
</IfModule>
<IfModule !rewrite_module>
    LoadModule rewrite_module /usr/lib/apache2/modules/mod_rewrite.so
</IfModule>`}
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

// The modules Debian enables, less headers and rewrite should this machine
// have them on: a copy of its mods-enabled/.
const debiansModules = work => {
    const modules = join(work, 'mods');
    mkdirSync(modules);
    for (const name of readdirSync('/etc/apache2/mods-enabled')) {
        if (!/^(headers|rewrite)\./.test(name))
            copyFileSync(join('/etc/apache2/mods-enabled', name), join(modules, name));
    }
    return `IncludeOptional ${modules}/*.load\nIncludeOptional ${modules}/*.conf`;
};

// The same, but with the configuration as the folder's .htaccess, where the
// site allows it, as on a shared host.
const apacheHtaccess = (work, port, root, configured, bare = false) => {
    copyFileSync(configuration('apache.conf'), join(root, 'towers/.htaccess'));
    const { text, ...rest } = apache(work, port, root, false, bare);
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
    const kinds = {
        nginx, apache, 'apache-htaccess': apacheHtaccess,
        'apache-htaccess-bare': (...args) => apacheHtaccess(...args, true),
    };
    const { command, file, text } = kinds[kind](work, port, root, configured);
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
        port,
        log,
        sent: () => {
            const lines = readFileSync(join(work, 'access.log'), 'utf8').trim().split('\n').filter(Boolean);
            return { bytes: lines.reduce((sum, line) => sum + Number(line.split(' ')[1]), 0), answers: lines.length, lines };
        },
        close: async () => {
            server.kill('SIGTERM');
            await ended;
            rmSync(work, { recursive: true, force: true });
        },
    };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const server = await startServer(process.argv[2], process.argv[3]);
    console.log(server.url);
    process.on('SIGTERM', async () => {
        await server.close();
        process.exit(0);
    });
}
