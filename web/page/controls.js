// controls.js -- the page's controls: a corner of icons that a tap or a mouse move shows and three
// seconds without input hide, each pressing its key the way a typed key goes (football.press);
// the boxes, one at a time (help, with the clubs' chooser; the link box of F9 and Link, or the
// system's share sheet);
// the announcements for screen readers; and the offline copy of the site.
'use strict';
(function () {
  const body = document.body;
  const canvas = document.getElementById('canvas');
  const controls = document.getElementById('controls');
  const guide = document.getElementById('guide');
  const helpButton = document.getElementById('help-button');
  const football = (window.football = window.football || {});
  const kShownMs = 3000;
  let hideTimer = 0;

  if (navigator.maxTouchPoints > 0)
    body.classList.add('touch');

  // Hidden three seconds after the last input, unless the keyboard is among
  // the buttons or the help is open.
  function hideLater() {
    clearTimeout(hideTimer);
    hideTimer = setTimeout(() => {
      if (controls.contains(document.activeElement) || !guide.hidden || !linkBox.hidden)
        hideLater();
      else
        body.classList.remove('showing');
    }, kShownMs);
  }
  function show() {
    body.classList.add('showing');
    hideLater();
  }
  addEventListener('pointerdown', show, true);
  addEventListener('pointermove', (e) => { if (e.pointerType === 'mouse') show(); }, true);
  controls.addEventListener('focusin', show);

  // After a tap or a click the keys go to the picture again; after the
  // keyboard pressed a button (no pointer: detail 0) the focus stays on it.
  function pressed(event) {
    show();
    if (event.detail !== 0)
      canvas.focus();
  }

  for (const button of controls.querySelectorAll('button[data-key]')) {
    button.addEventListener('click', (event) => {
      if (football.press)
        football.press(Number(button.dataset.key));
      pressed(event);
    });
  }

  let noteTimer = 0;
  function note(text) {
    const line = document.getElementById('note');
    line.textContent = text;
    line.hidden = false;
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => { line.hidden = true; }, 6000);
  }

  // The link to the frame on screen, its other parameters kept but a session's.
  football.momentLink = function () {
    const link = new URL(location.href);
    link.searchParams.delete('session');
    if (football.seed !== undefined)
      link.searchParams.set('seed', football.seed);
    for (const side of ['home', 'away']) {
      if (football[side] !== undefined)
        link.searchParams.set(side, football[side]);
    }
    link.searchParams.set('at', String(Math.max(1, Number(canvas.dataset.frames || 0))));
    return link.href;
  };

  // The boxes (help, link) and the match panel drawn in the picture: one at a time, each
  // opening at its start with the focus on its Close, at the top.
  const linkBox = document.getElementById('link-box');
  const boxes = [guide, linkBox];
  let boxOpener = null;
  function closeBoxes() {
    for (const box of boxes)
      box.hidden = true;
    helpButton.setAttribute('aria-expanded', 'false');
  }
  function openBox(box, first) {
    if (!boxes.some((b) => !b.hidden))
      boxOpener = document.activeElement;
    closeBoxes();
    if (football.panel && football.panel() && football.press)
      football.press(9);  // Tab: the panel goes as the box comes
    box.hidden = false;
    box.scrollTop = 0;
    (first || box.querySelector('header button')).focus({preventScroll: true});
  }
  function closeBox() {
    closeBoxes();
    const back = boxOpener && document.contains(boxOpener) ? boxOpener : canvas;
    back.focus();
  }
  for (const box of boxes) {
    box.querySelector('header button').addEventListener('click', closeBox);
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape')
        closeBox();
    });
  }
  // The panel, by its control or by Tab on the picture, closes the boxes.
  document.getElementById('panel-button').addEventListener('click', closeBoxes, true);
  canvas.addEventListener('keydown', (event) => {
    if (event.keyCode === 9 && !event.ctrlKey && !event.altKey && !event.metaKey)
      closeBoxes();
  });

  // The link F9 and the Link control offer: this page with session= the frames since
  // start-up, the last 30 seconds of them shown at the match's pace. Where no session
  // replays the page (it began at a held moment) or the link would be too long, the link
  // to the frame on screen, saying why.
  const kLongestLink = 2000;
  const linkText = document.getElementById('link-text');
  const linkWhy = document.getElementById('link-why');
  function linkAndWhy() {
    const session = football.sessionLink ? football.sessionLink() : '';
    if (!session)
      return [football.momentLink(), 'This page began at a held moment, which a session ' +
              'cannot replay: the link shows the frame on screen.'];
    const link = new URL(location.href);
    for (const name of ['at', 'view', 'hold', 'seed', 'home', 'away', 'session'])
      link.searchParams.delete(name);
    link.searchParams.set('session', session);
    if (link.href.length > kLongestLink)
      return [football.momentLink(), 'The match since the page opened is too long for a ' +
              'link of ' + kLongestLink + ' characters: the link shows the frame on screen.'];
    return [link.href, ''];
  }
  function showLinkBox(link, why) {
    linkText.value = link;
    linkWhy.textContent = why;
    linkWhy.hidden = !why;
    openBox(linkBox, document.getElementById('link-copy'));
  }
  // The system's share sheet where the browser has one, the box elsewhere or when the
  // sheet fails (a cancelled sheet is the watcher's answer, not a failure).
  football.showLink = function () {
    const [link, why] = linkAndWhy();
    if (!navigator.share) {
      showLinkBox(link, why);
      return;
    }
    navigator.share({title: document.title, text: why || undefined, url: link}).catch(
        (error) => { if (!error || error.name !== 'AbortError') showLinkBox(link, why); });
  };
  document.getElementById('share').addEventListener('click', () => {
    football.showLink();
    show();
  });
  document.getElementById('link-copy').addEventListener('click', () => {
    const link = linkText.value;
    const copied = navigator.clipboard ? navigator.clipboard.writeText(link) : Promise.reject();
    copied.then(() => note('Link copied'), () => {
      linkText.select();
      note('The browser keeps the clipboard: the link is selected to copy');
    });
  });

  // The help: the page's keys or touches (filled by the program) and the controls.
  for (const button of controls.querySelectorAll('button')) {
    const row = document.getElementById('guide-controls').insertRow();
    const icon = document.createElement('th');
    icon.scope = 'row';
    for (const part of button.childNodes)
      icon.appendChild(part.cloneNode(true));
    row.appendChild(icon);
    row.insertCell().textContent = button.getAttribute('aria-label');
  }
  // The clubs' chooser in the help: a new match between two of the clubs the page
  // knows (football.clubs, one a line, the designed pair first), as home= and away=.
  const home = document.getElementById('clubs-home');
  const away = document.getElementById('clubs-away');
  function fillClubs() {
    const names = (football.clubs || '').split('\n').filter(Boolean);
    for (const [list, side, designed] of [[home, 'home', 0], [away, 'away', 1]]) {
      list.replaceChildren(...names.map((name) => new Option(name, name)));
      list.value = football[side] || names[designed] || '';
    }
    document.getElementById('clubs-why').hidden = true;
  }
  document.getElementById('clubs-play').addEventListener('click', () => {
    if (home.value === away.value) {
      document.getElementById('clubs-why').hidden = false;
      return;
    }
    const link = new URL(location.href);
    for (const name of ['at', 'view', 'hold', 'session'])
      link.searchParams.delete(name);
    link.searchParams.set('home', home.value);
    link.searchParams.set('away', away.value);
    location.href = link.href;
  });
  helpButton.addEventListener('click', (event) => {
    if (guide.hidden) {
      fillClubs();
      openBox(guide);
      helpButton.setAttribute('aria-expanded', 'true');
    } else {
      closeBoxes();
      if (event.detail !== 0)
        canvas.focus();
    }
    show();
  });

  // Goals and the final score, for screen readers.
  const announcement = document.getElementById('announce');
  football.announce = function (text) {
    announcement.textContent = text;
  };

  // The site kept after one visit (sw.js): a reload plays without the network.
  if ('serviceWorker' in navigator)
    addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch(
          (error) => console.log('football: no offline copy: ' + error));
    });
})();
